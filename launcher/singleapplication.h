#pragma once

#include <QObject>
#include <QScopedPointer>
#include <QString>

namespace Ky {

class SingleApplicationPrivate;

// One instance per user: the first process with a key holds a one-byte shared-memory
// segment named after key and user and serves a local socket of the same name; a later
// process sees the segment, reports isRunning() and hands its message over sendMessage().
// Several guards with the same key in one process share one server and all receive.
class SingleApplication : public QObject
{
    Q_OBJECT
public:
    SingleApplication(const QString& key, QObject* parent = nullptr);
    ~SingleApplication() override;

    bool isRunning() const;
    QString applicationKey() const;
    QString serverName() const;

    // Letters and digits of the key; "SADEFAULTKEY" when none are left.
    static QString CleanKey(const QString& key);
    // "_sa_" + application key + "_" + hex of the user name's UTF-8 bytes.
    static QString ServerName(const QString& applicationKey, const QString& userName);
    // The login name of this process's effective user, looked up once.
    static QString UserName();

public Q_SLOTS:
    // Delivers the text to the running instance and waits for its acknowledgement.
    // False at once when no other instance runs.
    bool sendMessage(const QString& message, int timeout = 500);

Q_SIGNALS:
    void messageReceived(const QString& message);

private:
    QScopedPointer<SingleApplicationPrivate> d;
};

} // namespace Ky
