#include "kgifnode.h"

#include "kdigestcopy.h"
#include "kmediafile.h"
#include "scenerender.h"

#include <QFileInfo>

#include <climits>

namespace Ky::KAnimPlugin {

namespace {
const QString kGif = QStringLiteral("Gif");
constexpr int kLongLoopMs = 5000;
constexpr int kDefaultHold = 50;
constexpr int kDefaultSpeed = 4;
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
    MediaFile::Generate(*this, kGif, GetGif(), path, files);
}

void KGifNode::Export(const QString& path)
{
    KSendFileInfo copied;
    if (CopyUnderDigest(GetGif(), MediaFile::DirectoryOf(path), &copied))
        SetGif(QFileInfo(copied.path).fileName());
}

void KGifNode::Import(const QString& path)
{
    SetGif(path + QFileInfo(GetGif()).fileName());
}

int KGifNode::Duration()
{
    LoadInfo();
    const qint64 effects = MediaFile::StoredEffectsDuration(*this, Size());
    const qint64 remain = GetAttributeToInt(QStringLiteral("Remain Delay"));
    return int(qMin<qint64>(INT_MAX, effects + qMax<qint64>(m_info.loop, remain)));
}

} // namespace Ky::KAnimPlugin
