#include "kgifnode.h"

#include "kdigestcopy.h"
#include "scenerender.h"

#include <QFileInfo>

#include <climits>

namespace Ky::KAnimPlugin {

namespace {
const QString kGif = QStringLiteral("Gif");
constexpr int kLongLoopMs = 5000;
constexpr int kDefaultHold = 50;
constexpr int kDefaultSpeed = 4;

QString DirectoryOf(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')) || QFileInfo(path).isDir())
        return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    return QFileInfo(path).absolutePath() + QLatin1Char('/');
}
} // namespace

QString KGifNode::GetGif() const
{
    return GetFirstFile(kGif);
}

void KGifNode::SetGif(const QString& path)
{
    set_name(QFileInfo(path).completeBaseName());
    SetFilePath(kGif, path, QString());
    m_info.loaded = false;
}

void KGifNode::LoadInfo()
{
    m_info.Load(GetGif());
}

void KGifNode::InitNewNode()
{
    SetDispEffect(0);
    SetDispTime(kDefaultSpeed);
    SetClearEffect(0);
    SetClearTime(kDefaultSpeed);
    LoadInfo();
    SetHoldTime(m_info.loop >= kLongLoopMs ? m_info.loop / 100 : kDefaultHold);
}

void KGifNode::Generator(const QString& path, QList<KSendFileInfo>& files)
{
    const QString source = GetGif();
    KSendFileInfo copied;
    if (CopyUnderDigest(source, path, &copied)) {
        SetFilePath(kGif, copied.path, copied.md5);
        files.append(copied);
        return;
    }
    // Nothing was written: no entry names a missing file, and the generation fails.
    SetFilePath(kGif, QString(), QString());
    files.append({DirectoryOf(path) + QFileInfo(source).fileName(), QString()});
}

void KGifNode::Export(const QString& path)
{
    KSendFileInfo copied;
    if (CopyUnderDigest(GetGif(), DirectoryOf(path), &copied))
        SetGif(QFileInfo(copied.path).fileName());
}

void KGifNode::Import(const QString& path)
{
    SetGif(path + QFileInfo(GetGif()).fileName());
}

int KGifNode::Duration()
{
    LoadInfo();
    const QSize size = Size();
    const int display = GeteffectDuration(
        size.width(), size.height(), GetAttributeToInt(QStringLiteral("Display Effect Type")),
        GetAttributeToInt(QStringLiteral("Display Interval Index")));
    const int clear = GeteffectDuration(size.width(), size.height(),
                                        GetAttributeToInt(QStringLiteral("Clear Effect Type")),
                                        GetAttributeToInt(QStringLiteral("Clear Interval Index")));
    const qint64 remain = GetAttributeToInt(QStringLiteral("Remain Delay"));
    return int(qMin<qint64>(INT_MAX, display + clear + qMax<qint64>(m_info.loop, remain)));
}

} // namespace Ky::KAnimPlugin
