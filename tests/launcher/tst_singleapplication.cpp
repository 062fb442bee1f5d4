#include "ktestmain.h"
#include "localmessage.h"
#include "singleapplication.h"
#include "socketpair.h"
#include "threadedlocalserver.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QtConcurrent>
#include <QtEndian>

#include <functional>
#include <future>

using Ky::SingleApplication;
using Ky::Test::UniqueKey;

namespace {

QByteArray Be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// What a client on another thread saw. The server accepts on the GUI thread, so clients
// run elsewhere while the test spins the event loop.
struct ClientResult
{
    bool greeted = false;
    QString greeting;
    bool acknowledged = false;
    QString acknowledgement;
    bool droppedByServer = false;
};

enum class Then { ReadAck, WaitForDrop, StreamUntilDropped };

// Connects, reads the greeting, writes `bytes` raw, then reads one acknowledgement, or waits
// to be dropped, or keeps sending filler until it is dropped (at most a few seconds).
ClientResult RawClient(const QString& serverName, const QByteArray& bytes, Then then)
{
    ClientResult result;
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(2000))
        return result;
    result.greeting = Ky::readMessage(&socket, &result.greeted);
    if (!result.greeted)
        return result;
    socket.write(bytes);
    socket.waitForBytesWritten(2000);
    switch (then) {
    case Then::ReadAck:
        result.acknowledgement = Ky::readMessage(&socket, &result.acknowledged);
        socket.disconnectFromServer();
        break;
    case Then::WaitForDrop:
        result.droppedByServer = socket.state() == QLocalSocket::UnconnectedState
            || socket.waitForDisconnected(3000);
        break;
    case Then::StreamUntilDropped: {
        const QByteArray filler(4096, 'z');
        QElapsedTimer timer;
        timer.start();
        while (socket.state() == QLocalSocket::ConnectedState && timer.elapsed() < 4000) {
            socket.write(filler);
            socket.waitForBytesWritten(50);
        }
        result.droppedByServer = socket.state() == QLocalSocket::UnconnectedState;
        break;
    }
    }
    return result;
}

QByteArray Frame(const QString& text)
{
    QByteArray body;
    for (QChar c : text)
        body += char(c.unicode() >> 8), body += char(c.unicode() & 0xff);
    return Be32(4 + body.size()) + Be32(body.size()) + body;
}

template <typename T>
bool Finish(QFuture<T>& future, int timeout = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!future.isFinished() && timer.elapsed() < timeout)
        QTest::qWait(10);
    return future.isFinished();
}

// A stand-in for a running first instance in another process: it holds the segment of the
// name, so a guard sees "running", and answers on a worker thread as told.
class FakeInstance
{
public:
    struct Script
    {
        QByteArray greeting; // raw bytes; empty: say nothing
        QByteArray ack;      // raw bytes after reading one frame; empty: say nothing
    };

    FakeInstance(const QString& serverName, Script script)
        : m_segment(serverName)
    {
        m_holdsSegment = m_segment.create(1);
        std::promise<bool> listening;
        m_ready = listening.get_future();
        // A QThread, not a bare std::thread: the socket classes need one for their notifiers.
        m_thread.reset(QThread::create([this, serverName, script, p = std::move(listening)]() mutable {
            QLocalServer server;
            QLocalServer::removeServer(serverName);
            p.set_value(server.listen(serverName));
            if (!server.waitForNewConnection(3000))
                return;
            QLocalSocket* socket = server.nextPendingConnection();
            if (!script.greeting.isEmpty()) {
                socket->write(script.greeting);
                socket->waitForBytesWritten(1000);
            }
            bool ok = false;
            const QString text = Ky::readMessage(socket, &ok);
            m_received = ok ? text : QStringLiteral("<nothing>");
            if (ok && !script.ack.isEmpty()) {
                socket->write(script.ack);
                socket->waitForBytesWritten(1000);
            }
            if (socket->state() != QLocalSocket::UnconnectedState)
                socket->waitForDisconnected(1000);
        }));
        m_thread->start();
    }

    ~FakeInstance() { join(); }

    bool ready() { return m_holdsSegment && m_ready.get(); }
    // The frame it read after its greeting; call after join().
    QString received() const { return m_received; }

    void join() { m_thread->wait(); }

private:
    QSharedMemory m_segment;
    bool m_holdsSegment = false;
    std::future<bool> m_ready;
    std::unique_ptr<QThread> m_thread;
    QString m_received;
};

} // namespace

class TestSingleApplication : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void serverName_data();
    void serverName();
    void differentUsersGetDifferentNames();

    void firstInstanceIsNotRunning();
    void guardsWithOneKeyShareTheServer();
    void sendMessageAgainstOtherServers_data();
    void sendMessageAgainstOtherServers();
    void hostileClientsLeaveTheServerServing_data();
    void hostileClientsLeaveTheServerServing();
    void connectionFloodIsCapped();
    void serverShutsDownWithClientsConnected();
};

void TestSingleApplication::serverName_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("applicationKey");
    QTest::addColumn<QString>("serverName");
    QTest::newRow("plain") << "Kestrova" << "bob" << "Kestrova" << "_sa_Kestrova_626f62";
    QTest::newRow("punctuation only") << "--" << "bob" << "SADEFAULTKEY" << "_sa_SADEFAULTKEY_626f62";
    QTest::newRow("empty key") << "" << "bob" << "SADEFAULTKEY" << "_sa_SADEFAULTKEY_626f62";
    QTest::newRow("punctuation removed") << "Kes-tro va!" << "bob" << "Kestrova" << "_sa_Kestrova_626f62";
    QTest::newRow("non-ascii letters removed") << "Käse 1" << "bob" << "Kse1" << "_sa_Kse1_626f62";
    QTest::newRow("user as utf-8") << "Kestrova" << "jürgen" << "Kestrova" << "_sa_Kestrova_6ac3bc7267656e";
}

void TestSingleApplication::serverName()
{
    QFETCH(QString, key);
    QFETCH(QString, user);
    QFETCH(QString, applicationKey);
    QFETCH(QString, serverName);
    QCOMPARE(SingleApplication::CleanKey(key), applicationKey);
    QCOMPARE(SingleApplication::ServerName(applicationKey, user), serverName);
}

void TestSingleApplication::differentUsersGetDifferentNames()
{
    QVERIFY(SingleApplication::ServerName(QStringLiteral("Kestrova"), QStringLiteral("alice"))
            != SingleApplication::ServerName(QStringLiteral("Kestrova"), QStringLiteral("bob")));
    // A guard derives its name from this process's user.
    SingleApplication guard(QStringLiteral("Kes.trova") + UniqueKey(QStringLiteral("User")));
    QVERIFY(!SingleApplication::UserName().isEmpty());
    QCOMPARE(guard.serverName(),
             SingleApplication::ServerName(guard.applicationKey(), SingleApplication::UserName()));
}

void TestSingleApplication::firstInstanceIsNotRunning()
{
    SingleApplication guard(UniqueKey(QStringLiteral("First")));
    QVERIFY(!guard.isRunning());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!guard.sendMessage(QStringLiteral("to nobody")));
    QVERIFY(timer.elapsed() < 100); // returns at once, no connection attempt
}

void TestSingleApplication::guardsWithOneKeyShareTheServer()
{
    const QString key = UniqueKey(QStringLiteral("Shared"));
    SingleApplication first(key);
    SingleApplication second(key);
    QVERIFY(!first.isRunning());
    QVERIFY(!second.isRunning());
    QSignalSpy firstSpy(&first, &SingleApplication::messageReceived);
    QSignalSpy secondSpy(&second, &SingleApplication::messageReceived);

    QFuture<ClientResult> client = QtConcurrent::run(RawClient, first.serverName(),
                                                     Frame(QStringLiteral("hello")), Then::ReadAck);
    QVERIFY(Finish(client));
    const ClientResult result = client.result();
    QVERIFY(result.greeted);
    QCOMPARE(result.greeting, first.applicationKey());
    QVERIFY(result.acknowledged);
    QCOMPARE(result.acknowledgement, first.applicationKey());

    QTRY_COMPARE(firstSpy.size(), 1);
    QTRY_COMPARE(secondSpy.size(), 1);
    QCOMPARE(firstSpy.at(0).at(0).toString(), QStringLiteral("hello"));
    QCOMPARE(secondSpy.at(0).at(0).toString(), QStringLiteral("hello"));
}

void TestSingleApplication::sendMessageAgainstOtherServers_data()
{
    QTest::addColumn<QString>("greeting"); // "<key>" stands for the right key
    QTest::addColumn<QString>("ack");
    QTest::addColumn<bool>("delivered");
    QTest::newRow("answers properly") << "<key>" << "<key>" << true;
    QTest::newRow("greets with another text") << "Other" << "<key>" << false;
    QTest::newRow("greets with the key in other case") << "<lower>" << "<key>" << false;
    QTest::newRow("never greets") << "" << "" << false;
    QTest::newRow("greets with garbage") << "<garbage>" << "<key>" << false;
    QTest::newRow("never acknowledges") << "<key>" << "" << false;
    QTest::newRow("acknowledges with another text") << "<key>" << "Other" << false;
}

void TestSingleApplication::sendMessageAgainstOtherServers()
{
    QFETCH(QString, greeting);
    QFETCH(QString, ack);
    QFETCH(bool, delivered);

    const QString key = UniqueKey(QStringLiteral("Fake"));
    const QString name = SingleApplication::ServerName(key, SingleApplication::UserName());
    const auto bytes = [&key](const QString& what) {
        if (what.isEmpty())
            return QByteArray();
        if (what == QLatin1String("<garbage>"))
            return QByteArray("\x00\x00\x00\x08garbage!", 12);
        if (what == QLatin1String("<lower>"))
            return Frame(key.toLower());
        return Frame(what == QLatin1String("<key>") ? key : what);
    };
    FakeInstance fake(name, FakeInstance::Script{bytes(greeting), bytes(ack)});
    QVERIFY(fake.ready());

    SingleApplication guard(key);
    QVERIFY(guard.isRunning());
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(guard.sendMessage(QStringLiteral("from the second start"), 500), delivered);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));

    fake.join();
    // The message goes out only after a proper greeting.
    QCOMPARE(fake.received(), greeting == QLatin1String("<key>")
                                  ? QStringLiteral("from the second start")
                                  : QStringLiteral("<nothing>"));
}

void TestSingleApplication::hostileClientsLeaveTheServerServing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("keepSending"); // a peer that goes on streaming must be cut off too
    QTest::newRow("garbage") << QByteArray("GARBAGE! \x01\x02\x03 not a frame") << false;
    QTest::newRow("frame stops halfway") << Be32(100) + Be32(96) + QByteArray(10, 'a') << false;
    QTest::newRow("N = 0x7FFFFFFF") << Be32(0x7FFFFFFF) + Be32(10) + QByteArray(10, 'a') << false;
    QTest::newRow("N = 0x7FFFFFFF, streaming") << Be32(0x7FFFFFFF) << true;
    QTest::newRow("N just above the limit, streaming") << Be32(Ky::kMaxFrameSize + 1) << true;
    QTest::newRow("N negative") << Be32(0xFFFFFFF0) + Be32(10) << false;
    QTest::newRow("L larger than N") << Be32(8) + Be32(0x7FFFFFF0) + QByteArray(4, 'a') << false;
    QTest::newRow("odd L") << Be32(7) + Be32(3) + QByteArray(3, 'a') << false;
}

void TestSingleApplication::hostileClientsLeaveTheServerServing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, keepSending);
    SingleApplication guard(UniqueKey(QStringLiteral("Hostile")));
    QVERIFY(!guard.isRunning());
    QSignalSpy spy(&guard, &SingleApplication::messageReceived);

    QFuture<ClientResult> hostile = QtConcurrent::run(
        RawClient, guard.serverName(), bytes, keepSending ? Then::StreamUntilDropped : Then::WaitForDrop);
    QVERIFY(Finish(hostile));
    QVERIFY(hostile.result().greeted);
    QVERIFY2(hostile.result().droppedByServer, "the server kept a peer that sent a bad frame");

    QFuture<ClientResult> normal = QtConcurrent::run(RawClient, guard.serverName(),
                                                     Frame(QStringLiteral("after")), Then::ReadAck);
    QVERIFY(Finish(normal));
    QVERIFY(normal.result().acknowledged);
    QCOMPARE(normal.result().acknowledgement, guard.applicationKey());
    QTRY_COMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("after"));
}

void TestSingleApplication::connectionFloodIsCapped()
{
    SingleApplication guard(UniqueKey(QStringLiteral("Flood")));
    QSignalSpy spy(&guard, &SingleApplication::messageReceived);
    const int cap = Ky::ThreadedLocalServer::kMaxConnections;
    const QString name = guard.serverName();

    // Opens cap + 2 connections and holds them until released.
    std::promise<QPair<int, int>> counted;
    std::future<QPair<int, int>> counts = counted.get_future();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    QFuture<void> flood = QtConcurrent::run([name, cap, released, &counted] {
        std::vector<std::unique_ptr<QLocalSocket>> sockets;
        int greeted = 0;
        int refused = 0;
        for (int i = 0; i < cap + 2; ++i) {
            auto socket = std::make_unique<QLocalSocket>();
            socket->connectToServer(name);
            bool ok = false;
            if (socket->waitForConnected(2000))
                Ky::readMessage(socket.get(), &ok);
            ok ? ++greeted : ++refused;
            sockets.push_back(std::move(socket));
        }
        counted.set_value(qMakePair(greeted, refused));
        released.wait();
    });
    QElapsedTimer timer;
    timer.start();
    while (counts.wait_for(std::chrono::seconds(0)) != std::future_status::ready
           && timer.elapsed() < 20000)
        QTest::qWait(10);
    release.set_value();
    QVERIFY(Finish(flood));
    QVERIFY(counts.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    const QPair<int, int> result = counts.get();
    QCOMPARE(result.first, cap);
    QCOMPARE(result.second, 2);

    // Once they are gone the server serves again.
    bool acknowledged = false;
    for (int attempt = 0; attempt < 20 && !acknowledged; ++attempt) {
        QTest::qWait(50);
        QFuture<ClientResult> normal =
            QtConcurrent::run(RawClient, name, Frame(QStringLiteral("x")), Then::ReadAck);
        QVERIFY(Finish(normal));
        acknowledged = normal.result().acknowledged;
    }
    QVERIFY(acknowledged);
    QTRY_COMPARE(spy.size(), 1);
}

void TestSingleApplication::serverShutsDownWithClientsConnected()
{
    // One client connects and says nothing, so its worker sits in its event loop; another
    // trickles a frame byte by byte, so its worker keeps waiting for the rest. Deleting the
    // server must stop both at once.
    const QString name = UniqueKey(QStringLiteral("Shutdown"));
    auto* server = new Ky::ThreadedLocalServer(QStringLiteral("Key"), nullptr);
    QVERIFY(server->listen(name));

    const auto client = [name](bool trickle) {
        QLocalSocket socket;
        socket.connectToServer(name);
        bool greeted = false;
        if (socket.waitForConnected(2000))
            Ky::readMessage(&socket, &greeted);
        if (trickle) {
            socket.write(Be32(1000));
            QElapsedTimer timer;
            timer.start();
            while (socket.state() == QLocalSocket::ConnectedState && timer.elapsed() < 10000) {
                socket.write("a", 1);
                socket.waitForBytesWritten(100);
                socket.waitForDisconnected(100);
            }
            return greeted && socket.state() == QLocalSocket::UnconnectedState;
        }
        return greeted && socket.waitForDisconnected(10000);
    };
    QFuture<bool> idle = QtConcurrent::run(client, false);
    QFuture<bool> trickling = QtConcurrent::run(client, true);
    QTRY_COMPARE(server->findChildren<QThread*>().size(), 2);
    QTest::qWait(400); // the trickle is past one read allowance by now

    QElapsedTimer timer;
    timer.start();
    delete server;
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(Finish(idle, 12000));
    QVERIFY(Finish(trickling, 12000));
    QVERIFY(idle.result());
    QVERIFY(trickling.result());
}

KESTROVA_TEST_MAIN(TestSingleApplication)

#include "tst_singleapplication.moc"
