#pragma once

// Helpers for the launcher tests: a connected pair of local sockets in one thread, and a
// unique key per test process so parallel runs never share a server name.

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopedPointer>
#include <QString>

namespace Ky::Test {

inline QString UniqueKey(const QString& tag)
{
    static int counter = 0;
    return QStringLiteral("KyTest") + QString::number(QCoreApplication::applicationPid())
        + tag + QString::number(++counter);
}

// Both ends of one local connection, both in the calling thread.
class SocketPair
{
public:
    bool open()
    {
        const QString name = UniqueKey(QStringLiteral("Pair"));
        QLocalServer::removeServer(name);
        if (!m_server.listen(name))
            return false;
        clientEnd.reset(new QLocalSocket);
        clientEnd->connectToServer(name);
        if (!clientEnd->waitForConnected(2000) || !m_server.waitForNewConnection(2000))
            return false;
        serverEnd.reset(m_server.nextPendingConnection());
        if (!serverEnd)
            return false;
        serverEnd->setParent(nullptr); // owned here, not by the server
        return serverEnd->state() == QLocalSocket::ConnectedState;
    }

    QScopedPointer<QLocalSocket> serverEnd;
    QScopedPointer<QLocalSocket> clientEnd;

private:
    QLocalServer m_server;
};

} // namespace Ky::Test
