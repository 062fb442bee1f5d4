#include "kphotonode.h"

#include "kappconfig.h"
#include "kcontrollernode.h"
#include "kdigestcopy.h"
#include "kgifscaler.h"
#include "kmediafile.h"
#include "scenerender.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace Ky::KImagePlugin {

namespace {
const QString kPhoto = QStringLiteral("Photo");
const QString kKeepRatio = QStringLiteral("KeepRatio");
const QString kDuplicate = QStringLiteral("FileDuplicate");
constexpr int kLongLoopMs = 5000;
constexpr int kDefaultHold = 50;
constexpr int kRandomEffect = 25;
constexpr int kDefaultSpeed = 4;
const QSize kLargestGif(1280, 720);

bool ScreenScalesNothing(KNode* node)
{
    KControllerNode* screen = node->GetScreenNode();
    const QString model = screen ? screen->GetDeviceModel() : QString();
    return model == QLatin1String("V7") || model == QLatin1String("N5");
}
} // namespace

QString KPhotoNode::GetPhoto() const
{
    return GetFirstFile(kPhoto);
}

void KPhotoNode::SetPhoto(const QString& path)
{
    SetFilePath(kPhoto, path, QString());
    m_info.loaded = false;
    Q_EMIT ImageChanged();
}

void KPhotoNode::SetKeepRatio(bool keep)
{
    SetAttribute(kKeepRatio, keep ? 1 : 0);
    Q_EMIT KeepRatioChanged(keep);
}

bool KPhotoNode::IsKeepRatio() const
{
    return GetAttributeToInt(kKeepRatio) != 0;
}

QString KPhotoNode::FileDuplicate() const
{
    return GetAttribute(kDuplicate);
}

void KPhotoNode::LoadInfo()
{
    m_info.Load(GetPhoto());
}

void KPhotoNode::InitNewNode()
{
    LoadInfo();
    if (m_info.isGif) {
        SetDispEffect(0);
        SetClearEffect(0);
        SetHoldTime(m_info.loop >= kLongLoopMs ? m_info.loop / 100 : kDefaultHold);
    } else {
        SetDispEffect(kRandomEffect);
        SetClearEffect(kRandomEffect);
        SetHoldTime(kDefaultHold);
    }
    SetDispTime(kDefaultSpeed);
    SetClearTime(kDefaultSpeed);
    SetKeepRatio(false);
}

void KPhotoNode::DropDuplicate()
{
    const QString duplicate = FileDuplicate();
    if (!duplicate.isEmpty() && QFileInfo::exists(duplicate) && !QFile::remove(duplicate))
        qDebug() << QStringLiteral("remove file: %1 failed!").arg(duplicate);
}

void KPhotoNode::ResetPhoto()
{
    m_info.loaded = false;
    LoadInfo();
    if (!FileDuplicate().isEmpty() && QFileInfo::exists(FileDuplicate())) {
        DropDuplicate();
        SetAttribute(kDuplicate, QString());
    }
    SetHoldTime(m_info.loop >= kLongLoopMs ? m_info.loop / 100 : kDefaultHold);
}

void KPhotoNode::Copy()
{
    if (HaveAttribute(kDuplicate))
        SetAttribute(kDuplicate, QString());
    KEffectNode::Copy();
}

void KPhotoNode::Delete()
{
    if (HaveAttribute(kDuplicate) && !FileDuplicate().isEmpty())
        QFile::remove(FileDuplicate());
    KEffectNode::Delete();
}

// The size the controller needs the picture in; invalid when the picture can go as it is.
QSize KPhotoNode::DuplicateTarget()
{
    if (ScreenScalesNothing(this))
        return Size();
    const bool tooLarge = m_info.isGif && (m_info.width > kLargestGif.width() ||
                                           m_info.height > kLargestGif.height());
    const QSize target = tooLarge ? kLargestGif : QSize(-1, -1);
    // A duplicate made for another model or size goes, file and all, so none piles up in the
    // output directory; one of the needed size stays.
    const QString existing = FileDuplicate();
    if (HaveAttribute(kDuplicate) &&
        !(tooLarge && !existing.isEmpty() && QImageReader(existing).size() == target)) {
        DropDuplicate();
        SetAttribute(kDuplicate, QString());
    }
    return target;
}

bool KPhotoNode::NodeAlready()
{
    if (!m_info.loaded)
        m_info.LoadHeader(GetPhoto());
    if (!GetScreenNode())
        return false;
    const QSize target = DuplicateTarget();
    if (target.width() >= 0 && target.height() >= 0)
        MakeDuplicate(target);
    return KEffectNode::NodeAlready();
}

void KPhotoNode::MakeDuplicate(const QSize& target)
{
    const QString existing = FileDuplicate();
    if (!existing.isEmpty() && QFileInfo::exists(existing)) {
        if (QImageReader(existing).size() == target && !IsKeepRatio())
            return;
        DropDuplicate();
    }
    if (target.isEmpty())
        return; // an area without room takes no picture
    const QString dir = KAppConfig::AppDir() + QStringLiteral("outputpath/Photo");
    if (!QDir().mkpath(dir)) {
        qDebug() << "Creates Directory Failed!";
        return;
    }
    const QString destination = KAppConfig::GetUniqueName(dir, QFileInfo(GetPhoto()).fileName(), 0);
    bool written = false;
    if (m_info.isGif) {
        written = KGifScaler::Scale(GetPhoto(), destination, target);
    } else {
        QImageReader reader(GetPhoto());
        const QImage image = reader.read();
        const Qt::AspectRatioMode mode =
            IsKeepRatio() ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio;
        written =
            !image.isNull() && image.scaled(target, mode, Qt::FastTransformation).save(destination);
    }
    if (written)
        SetAttribute(kDuplicate, destination);
}

void KPhotoNode::Generator(const QString& path, QList<KSendFileInfo>& files)
{
    const QString duplicate = FileDuplicate();
    MediaFile::Generate(*this, kPhoto, duplicate.isEmpty() ? GetPhoto() : duplicate, path, files);
}

void KPhotoNode::Export(const QString& path)
{
    KSendFileInfo copied;
    if (CopyUnderDigest(GetPhoto(), MediaFile::DirectoryOf(path), &copied))
        SetPhoto(QFileInfo(copied.path).fileName());
}

void KPhotoNode::Import(const QString& path)
{
    SetPhoto(path + QFileInfo(GetPhoto()).fileName());
}

int KPhotoNode::Duration()
{
    LoadInfo();
    const qint64 effects = MediaFile::StoredEffectsDuration(*this, Size());
    const qint64 hold = qint64(GetHoldTime()) * 100;
    return int(qMin<qint64>(INT_MAX, effects + qMax<qint64>(hold, m_info.loop)));
}

} // namespace Ky::KImagePlugin
