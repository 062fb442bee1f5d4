#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace Ky::Cli {

// Exit codes of the tool.
enum ExitCode {
    ExitOk = 0,
    ExitFailure = 1, // the command ran and failed (unreadable file, refused value, ...)
    ExitUsage = 2,   // the command line itself is wrong
};

// Where a command writes: results on standard output, messages on standard error.
struct Streams
{
    QTextStream& out;
    QTextStream& err;
};

// One sub-command group ("hw", later "new", "info", ...). The dispatcher hands it the
// arguments after the group name.
class KCliCommand
{
public:
    virtual ~KCliCommand() = default;

    virtual QString name() const = 0;
    // One line for the tool's overview.
    virtual QString summary() const = 0;
    // The group's own help text, listing its sub-commands.
    virtual QString help() const = 0;
    virtual int Run(const QStringList& args, Streams& io) = 0;

protected:
    // "kestrova-cli <group>: <message>" on standard error; returns code.
    int Fail(Streams& io, const QString& message, int code = ExitFailure) const;
    static bool IsHelp(const QString& arg);

    // Arguments of a command whose options take no value: the positional ones in order, and
    // which of the allowed flags were given. Returns Continue to go on, or the exit code to
    // return at once (help was printed, or an unknown option was reported).
    static constexpr int Continue = -1;
    int SplitArguments(const QStringList& args, const QStringList& allowedFlags, Streams& io,
                       QStringList* positional, QStringList* flags = nullptr) const;
};

} // namespace Ky::Cli
