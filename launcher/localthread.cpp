#include "localthread.h"

#include "localmessage.h"

#include <QLocalSocket>

#include <unistd.h>

namespace Ky {

namespace {
constexpr int kWriteTimeout = 500;
}

LocalThread::LocalThread(qintptr socketDescriptor, const QString& key, QObject* parent)
    : QThread(parent)
    , m_socketDescriptor(socketDescriptor)
    , m_key(key)
{
}

void LocalThread::run()
{
    QLocalSocket socket;
    if (!socket.setSocketDescriptor(m_socketDescriptor, QLocalSocket::ConnectedState,
                                    QIODevice::ReadWrite)) {
        ::close(int(m_socketDescriptor));
        return;
    }
    // This object lives in the server's thread; the slots must run here, beside the socket.
    connect(&socket, &QLocalSocket::readyRead, this, &LocalThread::readyRead,
            Qt::DirectConnection);
    connect(&socket, &QLocalSocket::disconnected, this, &QThread::quit, Qt::DirectConnection);
    m_socket = &socket;

    if (socket.state() == QLocalSocket::ConnectedState
        && writeMessage(&socket, m_key, kWriteTimeout)
        && socket.state() == QLocalSocket::ConnectedState && !isInterruptionRequested()) {
        exec();
    }
    m_socket = nullptr;
}

void LocalThread::readyRead()
{
    QLocalSocket* socket = m_socket;
    if (!socket)
        return;
    while (socket->state() == QLocalSocket::ConnectedState && socket->bytesAvailable() > 0) {
        bool ok = false;
        const QString message = readMessage(socket, &ok);
        if (!ok) {
            // Garbage, an oversized length or a frame that stopped halfway: whatever follows
            // is out of step, so the peer goes.
            socket->abort();
            quit();
            return;
        }
        writeMessage(socket, m_key, kWriteTimeout);
        Q_EMIT messageReceived(message);
    }
}

} // namespace Ky
