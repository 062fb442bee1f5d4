#pragma once

#include <QThread>

class QLocalSocket;

namespace Ky {

// Serves one accepted connection of the single-instance server on its own thread: greets
// with the application key, then acknowledges and reports every frame until the peer
// leaves. A peer that sends a bad frame is dropped.
class LocalThread : public QThread
{
    Q_OBJECT
public:
    LocalThread(qintptr socketDescriptor, const QString& key, QObject* parent);

Q_SIGNALS:
    void messageReceived(const QString& message);

public Q_SLOTS:
    // Runs on this thread (direct connection to the socket).
    void readyRead();

protected:
    void run() override;

private:
    qintptr m_socketDescriptor;
    QString m_key;
    QLocalSocket* m_socket = nullptr; // valid only while run() is active
};

} // namespace Ky
