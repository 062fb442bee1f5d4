#include "threadedlocalserver.h"

#include "localthread.h"

#include <unistd.h>

namespace Ky {

ThreadedLocalServer::ThreadedLocalServer(const QString& key, QObject* parent)
    : QLocalServer(parent)
    , m_key(key)
{
}

ThreadedLocalServer::~ThreadedLocalServer()
{
    close();
    const auto workers = findChildren<LocalThread*>(QString(), Qt::FindDirectChildrenOnly);
    for (LocalThread* worker : workers) {
        worker->requestInterruption();
        worker->quit();
    }
    for (LocalThread* worker : workers)
        worker->wait();
}

void ThreadedLocalServer::incomingConnection(quintptr socketDescriptor)
{
    // Any local process of this user can connect; a flood must not become a flood of threads.
    if (m_workers >= kMaxConnections) {
        ::close(int(socketDescriptor));
        return;
    }
    ++m_workers;
    auto* worker = new LocalThread(qintptr(socketDescriptor), m_key, this);
    connect(worker, &LocalThread::messageReceived, this, &ThreadedLocalServer::messageReceived);
    connect(worker, &QThread::finished, this, [this] { --m_workers; });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start(QThread::InheritPriority);
}

} // namespace Ky
