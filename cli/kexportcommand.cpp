#include "kexportcommand.h"

#include "kcontrollernode.h"
#include "kmodel.h"
#include "kprojectsession.h"
#include "kxmldataaccess.h"

#include <QDir>
#include <QFileInfo>

namespace Ky::Cli {

QString KExportCommand::summary() const
{
    return QStringLiteral("copy a project and its media into a directory");
}

QString KExportCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli export FILE.boo DIR\n"
        "\n"
        "Writes DIR/<name of FILE> with the project's media copied into DIR under their\n"
        "digests, so the copy opens on another machine. Prints the path of the written\n"
        "project. DIR is created when missing; FILE itself is not changed.\n");
}

int KExportCommand::Run(const QStringList& args, Streams& io)
{
    QStringList positional;
    const int split = SplitArguments(args, {}, io, &positional);
    if (split != Continue)
        return split;
    if (positional.size() != 2)
        return Fail(io, QStringLiteral("needs FILE and DIR\n\n") + help(), ExitUsage);
    const QString source = QFileInfo(positional.at(0)).absoluteFilePath();
    const QString dir = QFileInfo(positional.at(1)).absoluteFilePath();
    if (!QDir().mkpath(dir))
        return Fail(io, QStringLiteral("cannot create the directory %1").arg(positional.at(1)));
    const QString target = QDir(dir).filePath(QFileInfo(source).fileName());
    // Exporting onto the source would replace the project with its exported form.
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath() &&
        QFileInfo::exists(target))
        return Fail(io, QStringLiteral("DIR must not be the project's own directory"));

    KProjectSession session;
    QString error;
    KNode* node = session.Open(source, &error);
    if (!node)
        return Fail(io, error);
    if (!node->GetScreenNode())
        return Fail(io, QStringLiteral("%1 holds no screen").arg(positional.at(0)));
    if (!session.model().Export(node, dir)) {
        const QString why = session.access().ErrorString();
        return Fail(io, QStringLiteral("cannot export to %1%2")
                            .arg(positional.at(1), why.isEmpty() ? QString() : ": " + why));
    }
    io.out << target << '\n';
    return ExitOk;
}

} // namespace Ky::Cli
