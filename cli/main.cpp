// kestrova-cli: scripting access to the formats of Kestrova.
//
//     kestrova-cli <group> <command> [arguments]
//
// Each group is one KCliCommand; add new ones to Commands() below.

#include "kappconfig.h"
#include "kclicommand.h"
#include "khwcommand.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

using namespace Ky::Cli;

namespace {

std::vector<std::unique_ptr<KCliCommand>> Commands()
{
    std::vector<std::unique_ptr<KCliCommand>> commands;
    commands.push_back(std::make_unique<KHwCommand>());
    return commands;
}

void Overview(QTextStream& s, const std::vector<std::unique_ptr<KCliCommand>>& commands)
{
    s << "Usage: kestrova-cli <group> <command> [arguments]\n\n"
      << "Groups:\n";
    for (const auto& c : commands)
        s << "  " << c->name().leftJustified(10) << c->summary() << "\n";
    s << "\nkestrova-cli <group> --help lists the commands of a group.\n"
      << "kestrova-cli --version prints the program version.\n";
    s.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
    if (group == QLatin1String("--help") || group == QLatin1String("-h")
        || group == QLatin1String("help")) {
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
    err << "kestrova-cli: unknown group '" << group << "'\n\n";
    Overview(err, commands);
    return ExitUsage;
}
