#include "singleapplication.h"

#include "localmessage.h"
#include "threadedlocalserver.h"

#include <QAtomicPointer>
#include <QCoreApplication>
#include <QHash>
#include <QLocalSocket>
#include <QMutex>
#include <QPointer>
#include <QReadWriteLock>
#include <QRegularExpression>
#include <QSharedMemory>

#include <pwd.h>
#include <unistd.h>

namespace Ky {

namespace {

constexpr int kConnectTimeout = 200;
constexpr int kDisconnectTimeout = 200;

// Servers of this process by server name, so guards with one key share one server. A null
// entry stands for a failed listen. The servers belong to the application object; the
// registry only points at them.
struct ServerRegistry
{
    QReadWriteLock lock;
    QHash<QString, QPointer<ThreadedLocalServer>> servers;
};

QAtomicPointer<ServerRegistry> g_registry;

struct RegistryReaper
{
    ~RegistryReaper() { delete g_registry.fetchAndStoreOrdered(nullptr); }
} g_registryReaper;

ServerRegistry* Registry()
{
    ServerRegistry* registry = g_registry.loadAcquire();
    if (registry)
        return registry;
    auto* fresh = new ServerRegistry;
    if (g_registry.testAndSetOrdered(nullptr, fresh, registry))
        return fresh;
    delete fresh; // another thread was first
    return registry;
}

QString LookUpUserName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    const QString fromEnv = qEnvironmentVariable("USER");
    return fromEnv.isEmpty() ? QString::number(::geteuid()) : fromEnv;
}

// A segment whose owner crashed stays behind on this platform. Attaching and detaching
// removes it when nobody else is attached; a live first instance stays attached, so its
// segment survives this.
void RemoveOrphanedSegment(const QString& name)
{
    QSharedMemory probe(name);
    if (probe.attach(QSharedMemory::ReadOnly))
        probe.detach();
}

} // namespace

class SingleApplicationPrivate
{
public:
    SingleApplication* owner = nullptr;
    QString applicationKey;
    QString serverName;
    QLocalSocket* client = nullptr;
    bool running = false;

    void ClaimLock();
    bool Connect();
};

void SingleApplicationPrivate::ClaimLock()
{
    ServerRegistry* registry = Registry();
    QWriteLocker locker(&registry->lock);

    const QPointer<ThreadedLocalServer> shared = registry->servers.value(serverName);
    if (shared) {
        QObject::connect(shared.data(), &ThreadedLocalServer::messageReceived, owner,
                         &SingleApplication::messageReceived, Qt::QueuedConnection);
        return;
    }

    QObject* app = QCoreApplication::instance();
    auto* segment = new QSharedMemory(serverName, app);
    bool created = segment->create(1, QSharedMemory::ReadWrite);
    if (!created && segment->error() == QSharedMemory::AlreadyExists) {
        RemoveOrphanedSegment(serverName);
        created = segment->create(1, QSharedMemory::ReadWrite);
    }
    if (!created) {
        if (segment->error() == QSharedMemory::AlreadyExists)
            running = true;
        else
            qWarning("QSharedMemory::create: %s (Used key is '%s')",
                     qPrintable(segment->errorString()), qPrintable(serverName));
        delete segment;
        return;
    }

    // We hold the lock, so a socket file of that name is left over from a crash.
    QLocalServer::removeServer(serverName);
    auto* server = new ThreadedLocalServer(applicationKey, app);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName)) {
        qWarning("QLocalServer::listen: %s (Used key is '%s')",
                 qPrintable(server->errorString()), qPrintable(serverName));
        delete server;
        server = nullptr;
    }
    registry->servers.insert(serverName, server);
    if (server)
        QObject::connect(server, &ThreadedLocalServer::messageReceived, owner,
                         &SingleApplication::messageReceived, Qt::QueuedConnection);
}

bool SingleApplicationPrivate::Connect()
{
    if (client && client->state() == QLocalSocket::ConnectedState)
        return true;
    if (!client)
        client = new QLocalSocket(owner);
    client->connectToServer(serverName, QIODevice::ReadWrite);
    if (!client->waitForConnected(kConnectTimeout)) {
        client->abort();
        return false;
    }
    bool ok = false;
    const QString greeting = readMessage(client, &ok);
    if (ok && greeting == applicationKey)
        return true;
    client->disconnectFromServer();
    if (client->state() != QLocalSocket::UnconnectedState)
        client->waitForDisconnected(kDisconnectTimeout);
    client->abort();
    return false;
}

SingleApplication::SingleApplication(const QString& key, QObject* parent)
    : QObject(parent)
    , d(new SingleApplicationPrivate)
{
    d->owner = this;
    d->applicationKey = CleanKey(key);
    d->serverName = ServerName(d->applicationKey, UserName());
    d->ClaimLock();
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning() const
{
    return d->running;
}

QString SingleApplication::applicationKey() const
{
    return d->applicationKey;
}

QString SingleApplication::serverName() const
{
    return d->serverName;
}

QString SingleApplication::CleanKey(const QString& key)
{
    static const QRegularExpression notAlphanumeric(QStringLiteral("[^A-Za-z0-9]"));
    QString cleaned = key;
    cleaned.remove(notAlphanumeric);
    return cleaned.isEmpty() ? QStringLiteral("SADEFAULTKEY") : cleaned;
}

QString SingleApplication::ServerName(const QString& applicationKey, const QString& userName)
{
    return QStringLiteral("_sa_") + applicationKey + QLatin1Char('_')
        + QString::fromLatin1(userName.toUtf8().toHex());
}

QString SingleApplication::UserName()
{
    static QMutex mutex;
    static QString cached;
    QMutexLocker locker(&mutex);
    if (cached.isEmpty())
        cached = LookUpUserName();
    return cached;
}

bool SingleApplication::sendMessage(const QString& message, int timeout)
{
    if (!d->running)
        return false;
    if (!d->Connect())
        return false;
    if (!writeMessage(d->client, message, timeout))
        return false;
    bool ok = false;
    const QString answer = readMessage(d->client, &ok);
    return ok && answer == d->applicationKey;
}

} // namespace Ky
