// Starts the real executable: a second start hands over and leaves, the log starts empty,
// and a crashed first instance does not keep later starts from becoming the first.

#include "ktestmain.h"
#include "localmessage.h"
#include "singleapplication.h"
#include "socketpair.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSharedMemory>
#include <QTemporaryDir>

#include <memory>
#include <vector>

using Ky::SingleApplication;

namespace {

const QByteArray kRunningLine = "prompt: Warning: Kestrova is running!";

QString Executable()
{
    return qEnvironmentVariable("KESTROVA_BIN_DIR") + QStringLiteral("/kestrova");
}

} // namespace

class TestLauncherProcess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void secondStartHandsOverAndExits();
    void everyStartTruncatesTheLog();
    void crashedFirstInstanceDoesNotLockOut();

private:
    QProcess* Start();
    // True once the instance of our key answers a connection with its greeting.
    bool WaitUntilServing(QProcess* process, int timeout = 10000);
    QByteArray Stderr(QProcess* process);

    QString m_key;
    QString m_serverName;
    std::unique_ptr<QTemporaryDir> m_appDir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QHash<QProcess*, QByteArray> m_stderr;
};

void TestLauncherProcess::init()
{
    QVERIFY2(QFile::exists(Executable()), qPrintable(Executable()));
    m_key = Ky::Test::UniqueKey(QStringLiteral("Proc"));
    m_serverName = SingleApplication::ServerName(m_key, SingleApplication::UserName());
    m_appDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_appDir->isValid());
}

void TestLauncherProcess::cleanup()
{
    for (auto& process : m_processes) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_processes.clear();
    m_stderr.clear();
    // Killed instances leave their segment and socket file behind; take them away.
    QSharedMemory orphan(m_serverName);
    if (orphan.attach())
        orphan.detach();
    QLocalServer::removeServer(m_serverName);
}

QProcess* TestLauncherProcess::Start()
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTROVA_INSTANCE_KEY"), m_key);
    env.insert(QStringLiteral("KESTROVA_APPDIR"), m_appDir->path());
    env.insert(QStringLiteral("KESTROVA_NONINTERACTIVE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KESTROVA_NET"), QStringLiteral("loopback"));
    process->setProcessEnvironment(env);
    process->setProgram(Executable());
    QProcess* raw = process.get();
    connect(raw, &QProcess::readyReadStandardError, this,
            [this, raw] { m_stderr[raw] += raw->readAllStandardError(); });
    process->start();
    m_processes.push_back(std::move(process));
    return raw->waitForStarted(5000) ? raw : nullptr;
}

bool TestLauncherProcess::WaitUntilServing(QProcess* process, int timeout)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeout && process->state() == QProcess::Running) {
        QLocalSocket probe;
        probe.connectToServer(m_serverName);
        if (probe.waitForConnected(200)) {
            bool ok = false;
            const QString greeting = Ky::readMessage(&probe, &ok);
            probe.disconnectFromServer();
            if (ok && greeting == m_key)
                return true;
        }
        QTest::qWait(50);
    }
    return false;
}

QByteArray TestLauncherProcess::Stderr(QProcess* process)
{
    m_stderr[process] += process->readAllStandardError();
    return m_stderr.value(process);
}

void TestLauncherProcess::secondStartHandsOverAndExits()
{
    QProcess* first = Start();
    QVERIFY(first);
    QVERIFY(WaitUntilServing(first));

    QElapsedTimer timer;
    timer.start();
    QProcess* second = Start();
    QVERIFY(second);
    QVERIFY(second->waitForFinished(5000));
    const qint64 took = timer.elapsed();
    qInfo("second start took %lld ms", took);
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(took < 3000, qPrintable(QString::number(took)));
    QVERIFY2(!Stderr(second).contains("prompt:"), Stderr(second).constData());

    QTRY_VERIFY_WITH_TIMEOUT(Stderr(first).contains(kRunningLine), 5000);
    QTest::qWait(300);
    QCOMPARE(Stderr(first).count(kRunningLine), 1);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestLauncherProcess::everyStartTruncatesTheLog()
{
    const QString log = m_appDir->filePath(QStringLiteral("log.txt"));
    {
        QFile old(log);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("left over from the previous run\n");
    }
    QProcess* first = Start();
    QVERIFY(first);
    QVERIFY(WaitUntilServing(first));
    QVERIFY(QFile::exists(log));
    QCOMPARE(QFileInfo(log).size(), 0);

    // The handing-over start truncates too: it opens the log before it knows.
    {
        QFile again(log);
        QVERIFY(again.open(QIODevice::Append));
        again.write("written meanwhile\n");
    }
    QProcess* second = Start();
    QVERIFY(second);
    QVERIFY(second->waitForFinished(5000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(QFileInfo(log).size(), 0);
}

void TestLauncherProcess::crashedFirstInstanceDoesNotLockOut()
{
    QProcess* crashed = Start();
    QVERIFY(crashed);
    QVERIFY(WaitUntilServing(crashed));
    crashed->kill(); // SIGKILL: no clean-up at all
    QVERIFY(crashed->waitForFinished(5000));

    // The segment and the socket file of the dead instance are still there.
    QVERIFY(QFile::exists(QDir::tempPath() + QLatin1Char('/') + m_serverName));

    QProcess* next = Start();
    QVERIFY(next);
    QVERIFY2(WaitUntilServing(next), Stderr(next).constData());
    QTest::qWait(300);
    QCOMPARE(next->state(), QProcess::Running);
    QVERIFY2(!Stderr(next).contains("QLocalServer::listen"), Stderr(next).constData());
    QVERIFY2(!Stderr(next).contains("QSharedMemory::create"), Stderr(next).constData());

    // And it is a proper first instance: the start after it hands over.
    QProcess* third = Start();
    QVERIFY(third);
    QVERIFY(third->waitForFinished(5000));
    QCOMPARE(third->exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(Stderr(next).contains(kRunningLine), 5000);
}

KESTROVA_TEST_MAIN(TestLauncherProcess)

#include "tst_launcherprocess.moc"
