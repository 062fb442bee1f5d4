#pragma once

#include "kclicommand.h"

namespace Ky::Cli {

// kestrova-cli new: a project file with one screen, its default program and area.
class KNewCommand : public KCliCommand
{
public:
    QString name() const override { return QStringLiteral("new"); }
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;
};

} // namespace Ky::Cli
