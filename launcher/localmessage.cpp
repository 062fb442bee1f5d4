#include "localmessage.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <QtEndian>

namespace Ky {

namespace {

constexpr int kReadWait = 250;
constexpr quint32 kNullText = 0xFFFFFFFFu;

bool Interrupted()
{
    // Lets a shutting-down server stop a worker that sits in a wait.
    const QThread* thread = QThread::currentThread();
    return thread && thread->isInterruptionRequested();
}

// Waits until at least `count` bytes are buffered. Each wait that brings data starts a
// fresh allowance; a wait that brings nothing (timeout, disconnect) ends it.
bool WaitForBytes(QLocalSocket* socket, qint64 count)
{
    while (socket->bytesAvailable() < count) {
        if (Interrupted() || !socket->waitForReadyRead(kReadWait))
            return false;
    }
    return true;
}

} // namespace

bool writeMessage(QLocalSocket* socket, const QString& message, int timeout)
{
    if (!socket || socket->state() != QLocalSocket::ConnectedState)
        return false;
    // The reader refuses frames above the limit, so sending one would only look like success.
    if (4 + 2 * qint64(message.size()) > kMaxFrameSize)
        return false;

    QByteArray block;
    {
        QDataStream out(&block, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_5_15);
        out << qint32(0) << message;
        out.device()->seek(0);
        out << qint32(block.size() - 4);
    }
    if (socket->write(block) != block.size())
        return false;

    // waitForBytesWritten may return after a part; keep going until all is out or time is up.
    QDeadlineTimer deadline(timeout);
    while (socket->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !socket->waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    return true;
}

QString readMessage(QLocalSocket* socket, bool* ok)
{
    bool dummy = false;
    bool& result = ok ? *ok : dummy;
    result = false;
    if (!socket || socket->state() != QLocalSocket::ConnectedState)
        return QString();

    if (!WaitForBytes(socket, 4))
        return QString();
    char header[4];
    if (socket->read(header, 4) != 4)
        return QString();
    const qint32 size = qFromBigEndian<qint32>(header);
    if (size < 4 || size > kMaxFrameSize)
        return QString();

    // Nothing is allocated for the frame until all of it has arrived.
    if (!WaitForBytes(socket, size))
        return QString();
    const QByteArray body = socket->read(size);
    if (body.size() != size)
        return QString();

    const quint32 length = qFromBigEndian<quint32>(body.constData());
    if (length == kNullText) {
        if (size != 4)
            return QString();
        result = true;
        return QString();
    }
    if (length != quint32(size - 4) || length % 2 != 0)
        return QString();

    QString text(qsizetype(length / 2), Qt::Uninitialized);
    qFromBigEndian<char16_t>(body.constData() + 4, text.size(), text.data());
    result = true;
    return text.isNull() ? QString(QLatin1String("")) : text;
}

} // namespace Ky
