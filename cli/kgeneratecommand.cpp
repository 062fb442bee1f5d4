#include "kgeneratecommand.h"

#include "kcontrollernode.h"
#include "kmodel.h"
#include "kprojectsession.h"
#include "ksendfileinfo.h"

#include <QDir>
#include <QFileInfo>

namespace Ky::Cli {

namespace {

// Generating clears the directory first. Only an empty directory, or one that already
// holds a send set, is cleared without being told to.
bool SafeToClear(const QString& dir)
{
    const QDir d(dir);
    if (!d.exists())
        return true;
    return d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) ||
           QFileInfo(d.filePath(QStringLiteral("config.boo"))).isFile();
}

} // namespace

QString KGenerateCommand::summary() const
{
    return QStringLiteral("write the send set of a project into a directory");
}

QString KGenerateCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli generate [--force] FILE.boo DIR\n"
        "\n"
        "Writes the files a controller needs for the screen of FILE.boo into DIR: every media\n"
        "file under its MD5 digest, \"config.boo\" and its copy under its digest. Prints one\n"
        "line \"path md5\" per file. DIR is emptied first; a directory that is not empty and\n"
        "holds no earlier send set is refused unless --force is given.\n");
}

int KGenerateCommand::Run(const QStringList& args, Streams& io)
{
    QStringList positional;
    QStringList flags;
    const int split = SplitArguments(args, {QStringLiteral("--force")}, io, &positional, &flags);
    if (split != Continue)
        return split;
    const bool force = !flags.isEmpty();
    if (positional.size() != 2)
        return Fail(io, QStringLiteral("needs FILE and DIR\n\n") + help(), ExitUsage);
    const QString dir = QFileInfo(positional.at(1)).absoluteFilePath();
    if (QFileInfo(dir).exists() && !QFileInfo(dir).isDir())
        return Fail(io, QStringLiteral("%1 is not a directory").arg(positional.at(1)));
    if (!force && !SafeToClear(dir)) {
        return Fail(io, QStringLiteral("%1 is not empty and holds no send set; generating "
                                       "would delete its files. Give --force to clear it.")
                            .arg(positional.at(1)));
    }

    KProjectSession session;
    QString error;
    KNode* node = session.Open(positional.at(0), &error);
    KControllerNode* screen = node ? node->GetScreenNode() : nullptr;
    if (!node)
        return Fail(io, error);
    if (!screen)
        return Fail(io, QStringLiteral("%1 holds no screen").arg(positional.at(0)));
    QList<KSendFileInfo> files;
    if (!session.model().Generator(screen, dir, files, &error))
        return Fail(io, error);
    for (const KSendFileInfo& file : std::as_const(files))
        io.out << file.path << ' ' << file.md5 << '\n';
    return ExitOk;
}

} // namespace Ky::Cli
