#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli snapshot: the preview frame of a program at a moment, as a PNG.
class KSnapshotCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("snapshot"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
