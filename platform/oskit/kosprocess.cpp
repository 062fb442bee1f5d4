#include "kosprocess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace Ky {

namespace {

// The executable's file name; falls back to the kernel's short name when the link is not
// readable (a process of another kind of user, or one that is exiting).
QString ExecutableName(const QString& procDir)
{
    const QString target = QFileInfo(procDir + QStringLiteral("/exe")).symLinkTarget();
    if (!target.isEmpty())
        return QFileInfo(target).fileName();
    QFile comm(procDir + QStringLiteral("/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

bool OwnedByMe(const QString& procDir)
{
    struct stat info;
    const QByteArray path = QFile::encodeName(procDir);
    return ::stat(path.constData(), &info) == 0 && info.st_uid == ::geteuid();
}

} // namespace

QList<qint64> KOsProcess::FindByName(const QString& name)
{
    QList<qint64> found;
    if (name.isEmpty())
        return found;
    const qint64 self = ::getpid();
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QString dir = QStringLiteral("/proc/") + entry;
        if (OwnedByMe(dir) && ExecutableName(dir) == name)
            found.append(pid);
    }
    return found;
}

int KOsProcess::KillByName(const QString& name, int timeoutMs)
{
    const QList<qint64> pids = FindByName(name);
    int killed = 0;
    for (qint64 pid : pids) {
        if (::kill(pid_t(pid), SIGKILL) == 0)
            ++killed;
    }
    // Bounded wait until the processes are gone (they are not our children to reap).
    QDeadlineTimer deadline(timeoutMs);
    for (qint64 pid : pids) {
        while (!deadline.hasExpired() && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid))) {
            QFile status(QStringLiteral("/proc/%1/stat").arg(pid));
            // A zombie waits for its parent; it no longer runs.
            if (status.open(QIODevice::ReadOnly) && status.readAll().contains(") Z "))
                break;
            QThread::msleep(10);
        }
    }
    return killed;
}

} // namespace Ky
