#include "knewcommand.h"

#include "icontrollerplugin.h"
#include "kcontrollernode.h"
#include "kmodel.h"
#include "knodeinserter.h"
#include "kpluginmanager.h"
#include "kprojectsession.h"
#include "kxmldataaccess.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>

namespace Ky::Cli {

namespace {

struct Options
{
    QString model;
    QString size;
    QString file;
    bool force = false;
};

// Parses "WxH" (also "W*H" and "WXH") into a size with both sides positive.
bool ParseSize(const QString& text, QSize* size)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,6})[xX*](\\d{1,6})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *size = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    return size->width() > 0 && size->height() > 0;
}

IControllerPlugin* ControllerFor(const QString& model, QStringList* known)
{
    IControllerPlugin* found = nullptr;
    for (IControllerPlugin* plugin : KPluginManager::instance()->GetControllerPlugin()) {
        known->append(plugin->DeviceModels());
        if (!found && plugin->SuportModel(model))
            found = plugin;
    }
    return found;
}

// Empty when the controller drives a screen of that size, else the reason.
QString CheckSize(IControllerPlugin* plugin, const QString& model, const QSize& size)
{
    const QSize low = plugin->MinScreenSize(model);
    const QSize high = plugin->MaxScreenSize(model);
    if (size.width() < low.width() || size.height() < low.height() || size.width() > high.width() ||
        size.height() > high.height()) {
        return QStringLiteral("%1 drives screens from %2x%3 to %4x%5 pixels, not %6x%7")
            .arg(model)
            .arg(low.width())
            .arg(low.height())
            .arg(high.width())
            .arg(high.height())
            .arg(size.width())
            .arg(size.height());
    }
    const qint64 pixels = qint64(size.width()) * size.height();
    if (pixels > plugin->MaxPixelCount(model)) {
        return QStringLiteral("%1 drives at most %2 pixels, not %3")
            .arg(model)
            .arg(plugin->MaxPixelCount(model))
            .arg(pixels);
    }
    return QString();
}

} // namespace

QString KNewCommand::summary() const
{
    return QStringLiteral("create a project: a screen with its default program and area");
}

QString KNewCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli new --model MODEL --size WxH [--force] FILE.boo\n"
        "\n"
        "Creates FILE.boo holding one screen for the controller MODEL with WxH pixels, one\n"
        "program and one area filling it, as the new-screen command of the program does.\n"
        "The screen is named after the file. An existing FILE is kept unless --force is given.\n");
}

int KNewCommand::Run(const QStringList& args, Streams& io)
{
    Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (IsHelp(arg)) {
            io.out << help();
            return ExitOk;
        }
        if ((arg == QLatin1String("--model") || arg == QLatin1String("--size")) &&
            i + 1 < args.size()) {
            (arg == QLatin1String("--model") ? options.model : options.size) = args.at(++i);
        } else if (arg == QLatin1String("--force")) {
            options.force = true;
        } else if (arg.startsWith(QLatin1String("--")) || !options.file.isEmpty()) {
            return Fail(io, QStringLiteral("unexpected argument '%1'\n\n%2").arg(arg, help()),
                        ExitUsage);
        } else {
            options.file = arg;
        }
    }
    if (options.model.isEmpty() || options.size.isEmpty() || options.file.isEmpty())
        return Fail(io, QStringLiteral("needs --model, --size and FILE\n\n") + help(), ExitUsage);
    QSize size;
    if (!ParseSize(options.size, &size))
        return Fail(io, QStringLiteral("'%1' is not a size like 128x64").arg(options.size),
                    ExitUsage);

    const QFileInfo file(options.file);
    if (file.exists() && !options.force)
        return Fail(io, QStringLiteral("%1 exists; give --force to replace it").arg(options.file));
    if (!file.absoluteDir().exists())
        return Fail(io, QStringLiteral("%1: no such directory").arg(file.absolutePath()));

    KProjectSession session;
    QStringList known;
    IControllerPlugin* plugin = ControllerFor(options.model, &known);
    if (!plugin) {
        return Fail(io, QStringLiteral("unknown controller model '%1'; known models: %2")
                            .arg(options.model, known.join(QStringLiteral(", "))));
    }
    const QString refused = CheckSize(plugin, options.model, size);
    if (!refused.isEmpty())
        return Fail(io, refused);

    KNodeInserter inserter(&session.model());
    KNode* deepest = inserter.InsertNode(plugin->type(), false, size, nullptr);
    KControllerNode* screen = deepest ? deepest->GetScreenNode() : nullptr;
    if (!screen)
        return Fail(io, QStringLiteral("the plug-in %1 made no screen").arg(plugin->type()));
    screen->SetDeviceModel(options.model);
    screen->set_name(file.completeBaseName());
    screen->SetFilePath(file.absoluteFilePath());
    if (!session.model().Save(screen, file.absoluteFilePath())) {
        return Fail(io, QStringLiteral("cannot write %1: %2")
                            .arg(options.file, session.access().ErrorString()));
    }
    return ExitOk;
}

} // namespace Ky::Cli
