#include "ktestmain.h"
#include "localmessage.h"
#include "socketpair.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using Ky::Test::SocketPair;

namespace {

QByteArray Be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Reads exactly `count` raw bytes, waiting a bounded time.
QByteArray ReadRaw(QLocalSocket* socket, qint64 count)
{
    QElapsedTimer timer;
    timer.start();
    while (socket->bytesAvailable() < count && timer.elapsed() < 2000)
        socket->waitForReadyRead(100);
    return socket->read(count);
}

bool WriteRaw(QLocalSocket* socket, const QByteArray& bytes)
{
    return socket->write(bytes) == bytes.size() && socket->waitForBytesWritten(2000);
}

} // namespace

class TestLocalMessage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void frameBytes_data();
    void frameBytes();
    void badFramesAreRefused_data();
    void badFramesAreRefused();
    void frameThatStopsHalfwayIsDropped();
    void slowSteadySenderGetsThrough();
    void missingOrClosedSocket();
    void textTooLongForOneFrameIsNotSent();
};

void TestLocalMessage::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << QString();
    QTest::newRow("empty") << QString(QLatin1String(""));
    QTest::newRow("ascii") << QStringLiteral("hello");
    QTest::newRow("non-ascii") << QStringLiteral("Grüße, 你好, \U0001F600");
    QTest::newRow("long") << QString(20000, QLatin1Char('x'));
}

void TestLocalMessage::roundTrip()
{
    QFETCH(QString, text);
    SocketPair pair;
    QVERIFY(pair.open());
    QVERIFY(Ky::writeMessage(pair.clientEnd.data(), text, 1000));
    bool ok = false;
    const QString read = Ky::readMessage(pair.serverEnd.data(), &ok);
    QVERIFY(ok);
    QCOMPARE(read, text);
    QCOMPARE(read.isNull(), text.isNull()); // null and empty stay apart
    QCOMPARE(pair.serverEnd->bytesAvailable(), 0);
}

void TestLocalMessage::frameBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("null") << QString() << QByteArray::fromHex("00000004" "ffffffff");
    QTest::newRow("empty") << QString(QLatin1String("")) << QByteArray::fromHex("00000004" "00000000");
    QTest::newRow("ascii") << QStringLiteral("Ab")
                           << QByteArray::fromHex("00000008" "00000004" "0041" "0062");
    QTest::newRow("latin-1") << QStringLiteral("é") << QByteArray::fromHex("00000006" "00000002" "00e9");
    QTest::newRow("surrogate pair") << QStringLiteral("\U0001F600")
                                    << QByteArray::fromHex("00000008" "00000004" "d83d" "de00");
}

void TestLocalMessage::frameBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, frame);
    SocketPair pair;
    QVERIFY(pair.open());
    QVERIFY(Ky::writeMessage(pair.clientEnd.data(), text, 1000));
    QCOMPARE(ReadRaw(pair.serverEnd.data(), frame.size()).toHex(), frame.toHex());
    QVERIFY(!pair.serverEnd->waitForReadyRead(50)); // nothing after the frame
}

void TestLocalMessage::badFramesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("unread"); // what the reader must leave in the socket

    const QByteArray tail = Be32(10) + QByteArray(10, 'a');
    // Refused on the length field alone: nothing after it may be read, nor waited for.
    QTest::newRow("N = 0x7FFFFFFF") << Be32(0x7FFFFFFF) + tail << qint64(tail.size());
    QTest::newRow("N negative") << Be32(0x80000000) + tail << qint64(tail.size());
    QTest::newRow("N above the limit") << Be32(Ky::kMaxFrameSize + 1) + tail << qint64(tail.size());
    QTest::newRow("N below 4") << Be32(2) + tail << qint64(tail.size());
    QTest::newRow("garbage") << QByteArray("GARBAGE! not a frame at all") << qint64(23);

    // Refused once the frame is in: its parts disagree.
    QTest::newRow("L larger than N") << Be32(8) + Be32(0x7FFFFFF0) + QByteArray(4, 'a') << qint64(0);
    QTest::newRow("L smaller than N") << Be32(12) + Be32(4) + QByteArray(8, 'a') << qint64(0);
    QTest::newRow("odd L") << Be32(7) + Be32(3) + QByteArray(3, 'a') << qint64(0);
    QTest::newRow("null with a body") << Be32(6) + Be32(0xFFFFFFFF) + QByteArray(2, 'a') << qint64(0);
}

void TestLocalMessage::badFramesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, unread);
    SocketPair pair;
    QVERIFY(pair.open());
    QVERIFY(WriteRaw(pair.clientEnd.data(), bytes));
    QTRY_COMPARE_WITH_TIMEOUT(pair.serverEnd->bytesAvailable(), qint64(bytes.size()), 2000);

    bool ok = true;
    const QString text = Ky::readMessage(pair.serverEnd.data(), &ok);
    QVERIFY(!ok);
    QVERIFY(text.isNull());
    QCOMPARE(pair.serverEnd->bytesAvailable(), unread);
}

void TestLocalMessage::frameThatStopsHalfwayIsDropped()
{
    SocketPair pair;
    QVERIFY(pair.open());
    QVERIFY(WriteRaw(pair.clientEnd.data(), Be32(100) + Be32(96) + QByteArray(6, 'a')));
    QElapsedTimer timer;
    timer.start();
    bool ok = true;
    const QString text = Ky::readMessage(pair.serverEnd.data(), &ok);
    QVERIFY(!ok);
    QVERIFY(text.isNull());
    QVERIFY2(timer.elapsed() >= 200, "gave up before the allowance ran out");
    QVERIFY2(timer.elapsed() < 2000, "kept waiting for a frame that never completes");
}

void TestLocalMessage::slowSteadySenderGetsThrough()
{
    // Pieces come 150 ms apart, six of them: far longer than one 250 ms allowance in all.
    const QString message = QStringLiteral("slow but steady");
    QByteArray frame = Be32(4 + message.size() * 2) + Be32(message.size() * 2);
    for (QChar c : message)
        frame += char(c.unicode() >> 8), frame += char(c.unicode() & 0xff);

    const QString name = Ky::Test::UniqueKey(QStringLiteral("Slow"));
    QLocalServer server;
    QVERIFY(server.listen(name));
    std::atomic<bool> sent{false};
    std::unique_ptr<QThread> sender(QThread::create([&] {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (!socket.waitForConnected(2000))
            return;
        const int pieces = 6;
        const int step = (frame.size() + pieces - 1) / pieces;
        for (int at = 0; at < frame.size(); at += step) {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            socket.write(frame.mid(at, step));
            socket.waitForBytesWritten(1000);
        }
        sent = true;
        socket.waitForDisconnected(3000);
    }));
    sender->start();
    QVERIFY(server.waitForNewConnection(2000));
    QLocalSocket* accepted = server.nextPendingConnection();
    QVERIFY(accepted);
    bool ok = false;
    const QString read = Ky::readMessage(accepted, &ok);
    accepted->disconnectFromServer();
    QVERIFY(sender->wait(5000));
    QVERIFY(sent);
    QVERIFY(ok);
    QCOMPARE(read, message);
}

void TestLocalMessage::missingOrClosedSocket()
{
    bool ok = true;
    QVERIFY(Ky::readMessage(nullptr, &ok).isNull());
    QVERIFY(!ok);
    QVERIFY(!Ky::writeMessage(nullptr, QStringLiteral("x"), 100));

    QLocalSocket unconnected;
    ok = true;
    QVERIFY(Ky::readMessage(&unconnected, &ok).isNull());
    QVERIFY(!ok);
    QVERIFY(!Ky::writeMessage(&unconnected, QStringLiteral("x"), 100));

    // A peer that leaves before a frame is complete.
    SocketPair pair;
    QVERIFY(pair.open());
    QVERIFY(WriteRaw(pair.clientEnd.data(), Be32(20)));
    pair.clientEnd->disconnectFromServer();
    ok = true;
    QVERIFY(Ky::readMessage(pair.serverEnd.data(), &ok).isNull());
    QVERIFY(!ok);
}

void TestLocalMessage::textTooLongForOneFrameIsNotSent()
{
    SocketPair pair;
    QVERIFY(pair.open());
    const QString tooLong(Ky::kMaxFrameSize / 2, QLatin1Char('x')); // 4 + L exceeds the limit
    QVERIFY(!Ky::writeMessage(pair.clientEnd.data(), tooLong, 1000));
    QVERIFY(!pair.serverEnd->waitForReadyRead(50));
}

KESTROVA_TEST_MAIN(TestLocalMessage)

#include "tst_localmessage.moc"
