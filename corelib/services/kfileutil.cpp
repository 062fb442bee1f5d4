#include "kfileutil.h"

#include <QDir>
#include <QFileInfo>

namespace Ky {

namespace {

void RemoveContents(const QString& path)
{
    const QFileInfoList entries = QDir(path).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            RemoveContents(entry.filePath());
            QDir().rmdir(entry.filePath());
        } else {
            QFile::remove(entry.filePath());
        }
    }
}

} // namespace

bool removeDirectory(const QString& path)
{
    // An empty path would mean the working directory.
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.isDir() || QDir(path).isRoot())
        return false;
    // A link given as the path itself is emptied like the directory it names; the link
    // stays, so the result is false.
    RemoveContents(path);
    const QString absolute = info.absoluteFilePath();
    QDir().rmdir(absolute);
    return !QFileInfo::exists(absolute);
}

} // namespace Ky
