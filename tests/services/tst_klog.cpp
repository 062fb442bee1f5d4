#include "klog.h"
#include "ktestmain.h"

#include <QFile>
#include <QTemporaryDir>

class TestKLog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesOnlyWhileOpen();
    void openTruncates();
    void openFailureLeavesLoggingOff();

private:
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
};

void TestKLog::writesOnlyWhileOpen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    LOGDEBUG("before %d\n", 1); // no log yet: harmless
    QVERIFY(OpenLog(path.toUtf8().constData()));
    LOGDEBUG("value=%d text=%s", 42, "abc");
    LOGDEBUG("|%s\n", "next");
    QCOMPARE(Read(path), QByteArray("value=42 text=abc|next\n")); // flushed at once, no line end added
    CloseLog();
    LOGDEBUG("after close\n");
    CloseLog(); // twice is harmless
    QCOMPARE(Read(path), QByteArray("value=42 text=abc|next\n"));
}

void TestKLog::openTruncates()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("previous run\n");
    old.close();
    QVERIFY(OpenLog(path.toUtf8().constData()));
    QCOMPARE(Read(path), QByteArray());
    LOGDEBUG("fresh");
    CloseLog();
    QCOMPARE(Read(path), QByteArray("fresh"));
}

void TestKLog::openFailureLeavesLoggingOff()
{
    QVERIFY(!OpenLog("/nonexistent-dir-for-kestrova/log.txt"));
    LOGDEBUG("nothing %s", "happens");
    CloseLog();
}

KESTROVA_TEST_MAIN(TestKLog)
#include "tst_klog.moc"
