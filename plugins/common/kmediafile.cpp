#include "kmediafile.h"

#include "kdata.h"
#include "kdigestcopy.h"
#include "scenerender.h"

#include <QFileInfo>

namespace Ky::MediaFile {

QString DirectoryOf(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    if (QFileInfo(path).isDir())
        return path + QLatin1Char('/');
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}

void Generate(KData& node, const QString& key, const QString& source, const QString& path,
              QList<KSendFileInfo>& files)
{
    KSendFileInfo copied;
    if (CopyUnderDigest(source, path, &copied)) {
        node.SetFilePath(key, copied.path, copied.md5);
        files.append(copied);
        return;
    }
    node.SetFilePath(key, QString(), QString());
    files.append({DirectoryOf(path) + QFileInfo(source).fileName(), QString()});
}

int StoredEffectsDuration(const KData& node, const QSize& size)
{
    const auto value = [&node](const char* key) {
        return node.GetAttributeToInt(QString::fromLatin1(key));
    };
    return GeteffectDuration(size.width(), size.height(), value("Display Effect Type"),
                             value("Display Interval Index")) +
           GeteffectDuration(size.width(), size.height(), value("Clear Effect Type"),
                             value("Clear Interval Index"));
}

} // namespace Ky::MediaFile
