#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli add: media files as contents of the first area of the first program.
class KAddCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("add"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
