#pragma once

// Runs build/bin/kestrova-cli as a child process for the command-line tests.

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QStringList>

namespace CliRun {

struct Result
{
    int code = -1; // -1: did not start, crashed or hung
    QByteArray out;
    QByteArray err;
};

inline Result Cli(const QStringList& args, const QByteArray& input = QByteArray())
{
    QProcess p;
    const QString bin = qEnvironmentVariable("KESTROVA_BIN_DIR");
    p.start(QDir(bin).filePath(QStringLiteral("kestrova-cli")), args);
    Result r;
    if (!p.waitForStarted(10000))
        return r;
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished(5000);
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

} // namespace CliRun
