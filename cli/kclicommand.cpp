#include "kclicommand.h"

namespace Ky::Cli {

int KCliCommand::Fail(Streams& io, const QString& message, int code) const
{
    io.err << "kestrova-cli " << name() << ": " << message << Qt::endl;
    return code;
}

bool KCliCommand::IsHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h") ||
           arg == QLatin1String("help");
}

int KCliCommand::SplitArguments(const QStringList& args, const QStringList& allowedFlags,
                                Streams& io, QStringList* positional, QStringList* flags) const
{
    for (const QString& arg : args) {
        if (IsHelp(arg)) {
            io.out << help();
            return ExitOk;
        }
        if (allowedFlags.contains(arg)) {
            if (flags)
                flags->append(arg);
        } else if (arg.startsWith(QLatin1String("--"))) {
            return Fail(io, QStringLiteral("unexpected argument '%1'\n\n%2").arg(arg, help()),
                        ExitUsage);
        } else {
            positional->append(arg);
        }
    }
    return Continue;
}

} // namespace Ky::Cli
