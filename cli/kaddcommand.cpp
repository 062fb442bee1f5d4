#include "kaddcommand.h"

#include "inodeplugin.h"
#include "kcontrollernode.h"
#include "kmodel.h"
#include "kpluginmanager.h"
#include "kprojectsession.h"
#include "kxmldataaccess.h"

#include <QFileInfo>

namespace Ky::Cli {

namespace {

KNode* FirstArea(KNode* screen)
{
    for (KNode* program : screen->children()) {
        if (program->Level() != LEVEL_PROGRAM)
            continue;
        for (KNode* area : program->children()) {
            if (area->Level() == LEVEL_AREA)
                return area;
        }
        return nullptr;
    }
    return nullptr;
}

// The first content kind that takes the file makes its node, as adding source files does.
KNode* AddThroughContentKinds(KModel& model, const QString& file, KNode* area)
{
    const QModelIndex parent = model.IndexFromNode(area);
    for (INodePlugin* plugin : KPluginManager::instance()->GetContentPlugin()) {
        // At the end, so the contents play in the order the files were given.
        const int row = int(area->children().size());
        if (KNode* node = plugin->AddFileBasisSuffix(file, &model, parent, row))
            return node;
    }
    return nullptr;
}

} // namespace

QString KAddCommand::summary() const
{
    return QStringLiteral("add media files to the first area of a project");
}

QString KAddCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli add FILE.boo MEDIA...\n"
        "\n"
        "Adds each MEDIA file as a content of the first area of the first program, through\n"
        "the first installed content kind that takes it (pictures, GIF animations, ...), in\n"
        "the order given, and saves FILE.boo. Prints the type and name of each new content.\n"
        "Nothing is saved when any file is refused.\n");
}

int KAddCommand::Run(const QStringList& args, Streams& io)
{
    QStringList positional;
    const int split = SplitArguments(args, {}, io, &positional);
    if (split != Continue)
        return split;
    if (positional.size() < 2)
        return Fail(io, QStringLiteral("needs FILE and at least one MEDIA file\n\n") + help(),
                    ExitUsage);
    const QString project = QFileInfo(positional.takeFirst()).absoluteFilePath();

    KProjectSession session;
    QString error;
    KNode* node = session.Open(project, &error);
    if (!node)
        return Fail(io, error);
    KNode* area = node->GetScreenNode() ? FirstArea(node->GetScreenNode()) : nullptr;
    if (!area)
        return Fail(io, QStringLiteral("%1 has no area to add to").arg(project));

    QStringList added;
    for (const QString& media : std::as_const(positional)) {
        const QFileInfo info(media);
        if (!info.isFile())
            return Fail(io, QStringLiteral("%1: no such file").arg(media));
        KNode* content = AddThroughContentKinds(session.model(), info.absoluteFilePath(), area);
        if (!content) {
            return Fail(io, QStringLiteral("%1: no installed content kind takes this file "
                                           "(unknown type or damaged)")
                                .arg(media));
        }
        added.append(content->Type() + QLatin1Char(' ') + content->name());
    }
    if (!session.model().Save(node, project))
        return Fail(
            io, QStringLiteral("cannot write %1: %2").arg(project, session.access().ErrorString()));
    for (const QString& line : std::as_const(added))
        io.out << line << '\n';
    return ExitOk;
}

} // namespace Ky::Cli
