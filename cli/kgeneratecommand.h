#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli generate: the send set of a project's screen, as sent to a controller.
class KGenerateCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("generate"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
