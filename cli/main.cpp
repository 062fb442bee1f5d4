// kestrova-cli: scripting access to the formats of Kestrova.
//
//     kestrova-cli <command> [arguments]   (hw takes a sub-command)
//
// Each command is one KCliCommand; add new ones to Commands() below.

#include "kaddcommand.h"
#include "kappconfig.h"
#include "kclicommand.h"
#include "kexportcommand.h"
#include "kgeneratecommand.h"
#include "khwcommand.h"
#include "kinfocommand.h"
#include "knewcommand.h"
#include "kprompt.h"
#include "ksnapshotcommand.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Ky::Cli;

namespace {

std::vector<std::unique_ptr<KCliCommand>> Commands()
{
    std::vector<std::unique_ptr<KCliCommand>> commands;
    commands.push_back(std::make_unique<KNewCommand>());
    commands.push_back(std::make_unique<KInfoCommand>());
    commands.push_back(std::make_unique<KAddCommand>());
    commands.push_back(std::make_unique<KGenerateCommand>());
    commands.push_back(std::make_unique<KExportCommand>());
    commands.push_back(std::make_unique<KSnapshotCommand>());
    commands.push_back(std::make_unique<KHwCommand>());
    return commands;
}

void Overview(QTextStream& s, const std::vector<std::unique_ptr<KCliCommand>>& commands)
{
    s << "Usage: kestrova-cli <command> [arguments]\n\n"
      << "Commands:\n";
    for (const auto& c : commands)
        s << "  " << c->name().leftJustified(10) << c->summary() << "\n";
    s << "\nkestrova-cli <command> --help describes a command.\n"
      << "kestrova-cli --version prints the program version.\n";
    s.flush();
}

} // namespace

int main(int argc, char** argv)
{
    // The plug-ins are widget libraries; the tool needs no display and never shows a window.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Ky::Prompt::SetInteractive(false);
    QCoreApplication::setApplicationName(QStringLiteral("kestrova-cli"));
    QCoreApplication::setApplicationVersion(Ky::KAppConfig::Version());

    QTextStream out(stdout);
    QTextStream err(stderr);
    Streams io{out, err};

    QStringList args = QCoreApplication::arguments().mid(1);
    const auto commands = Commands();
    if (args.isEmpty()) {
        Overview(err, commands);
        return ExitUsage;
    }
    const QString group = args.takeFirst();
    if (group == QLatin1String("--help") || group == QLatin1String("-h") ||
        group == QLatin1String("help")) {
        Overview(out, commands);
        return ExitOk;
    }
    if (group == QLatin1String("--version")) {
        out << "kestrova-cli " << QCoreApplication::applicationVersion() << Qt::endl;
        return ExitOk;
    }
    for (const auto& c : commands) {
        if (c->name() == group) {
            const int code = c->Run(args, io);
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "kestrova-cli: unknown command '" << group << "'\n\n";
    Overview(err, commands);
    return ExitUsage;
}
