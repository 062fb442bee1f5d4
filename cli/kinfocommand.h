#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli info: the tree of a project file with every attribute and list.
class KInfoCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("info"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
