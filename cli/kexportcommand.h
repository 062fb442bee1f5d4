#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli export: a self-contained copy of a project with its media beside it.
class KExportCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("export"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
