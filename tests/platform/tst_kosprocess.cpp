#include "kosprocess.h"
#include "ktestmain.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace Ky;

class TestKOsProcess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killsOnlyExactNames();
};

// Copies of `sleep` under other names stand in for a leftover transcoder.
void TestKOsProcess::killsOnlyExactNames()
{
    QTemporaryDir dir;
    const auto start = [&dir](const QString& name) {
        const QString path = dir.filePath(name);
        QFile::copy(QStringLiteral("/bin/sleep"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        auto* process = new QProcess;
        process->start(path, {QStringLiteral("30")});
        process->waitForStarted(5000);
        return process;
    };
    QProcess* target = start(QStringLiteral("kymcoder"));
    QProcess* bystander = start(QStringLiteral("kymcoder2"));
    QCOMPARE(KOsProcess::FindByName(QStringLiteral("kymcoder")),
             QList<qint64>{target->processId()});
    QCOMPARE(KOsProcess::KillByName(QStringLiteral("kymcoder")), 1);
    QVERIFY(target->waitForFinished(5000));
    QCOMPARE(target->exitStatus(), QProcess::CrashExit);
    QCOMPARE(bystander->state(), QProcess::Running);
    QCOMPARE(KOsProcess::KillByName(QStringLiteral("kymcoder")), 0);
    QVERIFY(KOsProcess::FindByName(QString()).isEmpty());
    bystander->kill();
    bystander->waitForFinished(5000);
    delete target;
    delete bystander;
}

KESTROVA_TEST_MAIN(TestKOsProcess)
#include "tst_kosprocess.moc"
