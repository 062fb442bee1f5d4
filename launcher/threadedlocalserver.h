#pragma once

#include <QLocalServer>

namespace Ky {

// The first instance's end of the single-instance channel. Every accepted connection is
// served by its own LocalThread; their messages come out of this object's signal.
class ThreadedLocalServer : public QLocalServer
{
    Q_OBJECT
public:
    // Connections served at the same time; further ones are closed at once.
    static constexpr int kMaxConnections = 32;

    ThreadedLocalServer(const QString& key, QObject* parent);
    // Stops the workers and waits for them, so no thread outlives its object.
    ~ThreadedLocalServer() override;

Q_SIGNALS:
    void messageReceived(const QString& message);

protected:
    void incomingConnection(quintptr socketDescriptor) override;

private:
    QString m_key;
    int m_workers = 0; // touched only on this object's thread
};

} // namespace Ky
