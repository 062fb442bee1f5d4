#pragma once

#include "kclicommand.h"

struct ST_HwConfig;

namespace Ky::Cli {

// "hw": hardware configuration documents.
//   hw defaults            the document of a fresh record (all groups, port 1)
//   hw read FILE           every field of a document, its group mask and port, as JSON
//   hw derive FILE|-       the derived timing of a document (or a fresh record) as JSON
//   hw gamma VALUE LEVEL   the 256 gamma table values as JSON
class KHwCommand : public KCliCommand
{
public:
    QString name() const override;
    QString summary() const override;
    QString help() const override;
    int Run(const QStringList& args, Streams& io) override;

private:
    int Defaults(const QStringList& args, Streams& io);
    int Read(const QStringList& args, Streams& io);
    int Derive(const QStringList& args, Streams& io);
    int Gamma(const QStringList& args, Streams& io);

    // Reads FILE ("-": standard input) into config; false after reporting why.
    bool Load(const QString& file, ST_HwConfig& config, unsigned int& groupMask,
              unsigned int& netCard, Streams& io);
};

} // namespace Ky::Cli
