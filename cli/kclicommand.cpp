#include "kclicommand.h"

namespace Ky::Cli {

int KCliCommand::Fail(Streams& io, const QString& message, int code) const
{
    io.err << "kestrova-cli " << name() << ": " << message << Qt::endl;
    return code;
}

bool KCliCommand::IsHelp(const QString& arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h")
           || arg == QLatin1String("help");
}

} // namespace Ky::Cli
