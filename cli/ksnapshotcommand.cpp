#include "ksnapshotcommand.h"

#include "kappconfig.h"
#include "kcontrollernode.h"
#include "kprojectsession.h"
#include "ksnapshotplayer.h"

#include <QFileInfo>
#include <QImage>

namespace Ky::Cli {

namespace {

// An hour of play is far beyond any snapshot anyone needs and keeps the stepping bounded.
constexpr int kMaxMoment = 60 * 60 * 1000;

struct Options
{
    QString project;
    QString output;
    int program = 1;
    int at = -1;
};

bool ParseNumber(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok);
    if (!ok || parsed < low || parsed > high)
        return false;
    *value = parsed;
    return true;
}

} // namespace

QString KSnapshotCommand::summary() const
{
    return QStringLiteral("write the preview frame of a program at a moment as PNG");
}

QString KSnapshotCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli snapshot FILE.boo [--program N] --at MS OUT.png\n"
        "\n"
        "Plays program N (1 = the first, the default) of the screen of FILE.boo in the\n"
        "render service without a display and writes the frame composed MS milliseconds\n"
        "after the start (0 to 3600000) to OUT.png, at the screen's size. The clock is\n"
        "stepped, not waited for, so the same project and moment give the same picture.\n");
}

int KSnapshotCommand::Run(const QStringList& args, Streams& io)
{
    Options options;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (IsHelp(arg)) {
            io.out << help();
            return ExitOk;
        }
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--program") && hasValue) {
            if (!ParseNumber(args.at(++i), 1, 1 << 20, &options.program))
                return Fail(io, QStringLiteral("--program takes a number from 1"), ExitUsage);
        } else if (arg == QLatin1String("--at") && hasValue) {
            if (!ParseNumber(args.at(++i), 0, kMaxMoment, &options.at))
                return Fail(io,
                            QStringLiteral("--at takes milliseconds from 0 to %1").arg(kMaxMoment),
                            ExitUsage);
        } else if (arg.startsWith(QLatin1String("--"))) {
            return Fail(io, QStringLiteral("unexpected argument '%1'\n\n%2").arg(arg, help()),
                        ExitUsage);
        } else {
            positional.append(arg);
        }
    }
    if (positional.size() != 2 || options.at < 0)
        return Fail(io, QStringLiteral("needs FILE, --at MS and OUT.png\n\n") + help(), ExitUsage);
    options.project = positional.at(0);
    options.output = positional.at(1);

    KProjectSession session;
    QString error;
    KNode* node = session.Open(options.project, &error);
    if (!node)
        return Fail(io, error);
    KControllerNode* screen = node->GetScreenNode();
    if (!screen)
        return Fail(io, QStringLiteral("%1 holds no screen").arg(options.project));
    if (options.program > screen->children().size()) {
        return Fail(io, QStringLiteral("%1 has %2 program(s), not %3")
                            .arg(options.project)
                            .arg(screen->children().size())
                            .arg(options.program));
    }
    const QSize size = screen->size();
    if (size.width() < 1 || size.height() < 1 || size.width() > 8192 || size.height() > 8192)
        return Fail(io, QStringLiteral("the screen size %1x%2 cannot be previewed")
                            .arg(size.width())
                            .arg(size.height()));

    KSnapshotPlayer player(size, KAppConfig::instance()->RefreshRate());
    if (!player.isReady())
        return Fail(io, QStringLiteral("the render service did not start"));
    player.Play(screen->children().at(options.program - 1));
    const QImage frame = player.FrameAt(options.at);
    if (frame.isNull())
        return Fail(io, QStringLiteral("no frame was composed"));
    if (!frame.save(options.output, "PNG"))
        return Fail(io, QStringLiteral("cannot write %1").arg(options.output));
    return ExitOk;
}

} // namespace Ky::Cli
