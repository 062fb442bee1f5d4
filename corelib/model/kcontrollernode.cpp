#include "kcontrollernode.h"

#include "kcontentnode.h"
#include "klist.h"
#include "kscenenode.h"

#include <QDateTime>
#include <QFile>

namespace Ky {

namespace {
const QString kTimeFormat = QStringLiteral("hh:mm:ss");
const QString kCommunication = QStringLiteral("communication");
const QString kVideoType = QStringLiteral("KY_Video_Plugin");
} // namespace

KControllerNode::KControllerNode() = default;

KLevel KControllerNode::Level()
{
    return LEVEL_SCREEN;
}

void KControllerNode::Export(const QString& path)
{
    SetAttribute(QStringLiteral("FileNotImport"), 1);
    KNode::Export(path);
}

void KControllerNode::Import(const QString& path)
{
    SetAttribute(QStringLiteral("FileNotImport"), 0);
    KNode::Import(path);
}

void KControllerNode::Delete()
{
    if (!m_filePath.isEmpty())
        QFile::remove(m_filePath);
    KNode::Delete();
}

void KControllerNode::Generator(const QString& path, QList<KSendFileInfo>& files)
{
    // Seconds east of UTC, as the controller keeps it (UTC+8 gives 28800).
    SetTimeZone(QDateTime::currentDateTime().offsetFromUtc());
    KNode::Generator(path, files);
}

QSize KControllerNode::size() const
{
    return QSize(Width(), Height());
}

int KControllerNode::Width() const
{
    return GetAttributeToInt(QStringLiteral("Width"));
}

int KControllerNode::Height() const
{
    return GetAttributeToInt(QStringLiteral("Height"));
}

void KControllerNode::SetSize(const QSize& newSize, const QSize& oldSize)
{
    SetAttribute(QStringLiteral("Width"), newSize.width());
    SetAttribute(QStringLiteral("Height"), newSize.height());
    // 0 x 0 is the screen being created: nothing below it to rescale yet.
    if (oldSize.width() == 0 && oldSize.height() == 0)
        return;
    Q_EMIT SizeChanged(newSize);
    for (KNode* child : std::as_const(children())) {
        if (auto* program = qobject_cast<KSceneNode*>(child))
            program->ON_SizeChange(newSize, oldSize);
    }
}

QPoint KControllerNode::GetPos() const
{
    return QPoint(GetAttributeToInt(QStringLiteral("X")), GetAttributeToInt(QStringLiteral("Y")));
}

void KControllerNode::SetPos(const QPoint& pos)
{
    SetAttribute(QStringLiteral("X"), pos.x());
    SetAttribute(QStringLiteral("Y"), pos.y());
}

QString KControllerNode::GetDeviceModel() const
{
    return GetAttribute(QStringLiteral("DeviceModel"));
}

void KControllerNode::SetDeviceModel(const QString& model)
{
    SetAttribute(QStringLiteral("DeviceModel"), model);
    Q_EMIT DeviceModelChanged(model);
}

int KControllerNode::GetTimeZone() const
{
    return GetAttributeToInt(QStringLiteral("TimeZone"));
}

void KControllerNode::SetTimeZone(int seconds)
{
    SetAttribute(QStringLiteral("TimeZone"), seconds);
}

bool KControllerNode::GetTimeSwichtEnable() const
{
    return GetAttributeToInt(QStringLiteral("en_time_swicht")) != 0;
}

void KControllerNode::SetTimeSwichtEnable(bool enable)
{
    SetAttribute(QStringLiteral("en_time_swicht"), enable ? 1 : 0);
}

QTime KControllerNode::GetTimeOn(int n) const
{
    return QTime::fromString(GetAttribute(QStringLiteral("ts_on_") + QString::number(n)),
                             kTimeFormat);
}

void KControllerNode::SetTimeOn(int n, const QTime& time)
{
    SetAttribute(QStringLiteral("ts_on_") + QString::number(n), time.toString(kTimeFormat));
}

QTime KControllerNode::GetTimeOff(int n) const
{
    return QTime::fromString(GetAttribute(QStringLiteral("ts_off_") + QString::number(n)),
                             kTimeFormat);
}

void KControllerNode::SetTimeOff(int n, const QTime& time)
{
    SetAttribute(QStringLiteral("ts_off_") + QString::number(n), time.toString(kTimeFormat));
}

bool KControllerNode::GetTimeEnable(int n) const
{
    return GetAttributeToInt(QStringLiteral("ts_en_") + QString::number(n)) != 0;
}

void KControllerNode::SetTimeEnable(int n, bool enable)
{
    SetAttribute(QStringLiteral("ts_en_") + QString::number(n), enable ? 1 : 0);
}

KVersion KControllerNode::GetVersion() const
{
    const QStringList parts = GetAttribute(QStringLiteral("AppVersion")).split(QLatin1Char('.'));
    unsigned int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        const unsigned int value = i < parts.size() ? parts.at(i).toUInt(&ok, 10) : 0;
        values[i] = ok ? value : 255;
    }
    KVersion version;
    version.a = values[0];
    version.b = values[1];
    version.c = values[2];
    version.d = values[3];
    version.build = GetAttributeToInt(QStringLiteral("SvnVersion"));
    return version;
}

void KControllerNode::SetVersion(const QString& app, const QString& build)
{
    SetAttribute(QStringLiteral("AppVersion"), app);
    SetAttribute(QStringLiteral("SvnVersion"), build);
}

void KControllerNode::SetVersion(const KVersion& version)
{
    SetVersion(QString::asprintf("%u.%u.%u.%u", version.a, version.b, version.c, version.d),
               QString::number(version.build));
}

bool KControllerNode::FileNotImport() const
{
    return GetAttributeToInt(QStringLiteral("FileNotImport")) != 0;
}

void KControllerNode::GetDevAssociation(QList<DevInfo>& devices) const
{
    const KList* list = lists().value(kCommunication);
    if (!list)
        return;
    for (const KList::Item* row : list->items())
        devices.append(DevInfo{row->value(QStringLiteral("name")), row->value(QStringLiteral("id"))});
}

void KControllerNode::SetDevAssociation(const QList<DevInfo>& devices)
{
    set_changed(true);
    KList* list = GetList(kCommunication);
    list->Clear();
    for (const DevInfo& device : devices) {
        KList::Item* row = list->AddItem();
        row->insert(QStringLiteral("id"), device.id);
        row->insert(QStringLiteral("name"), device.name);
    }
    Q_EMIT DevAssociationChanged();
}

bool KControllerNode::DataReady() const
{
    for (const KNode* program : children()) {
        for (const KNode* area : program->children()) {
            for (KNode* content : area->children()) {
                if (content->Type() != kVideoType)
                    continue;
                auto* video = qobject_cast<KContentNode*>(content);
                if (video && !video->VFileReady())
                    return false;
            }
        }
    }
    return true;
}

} // namespace Ky
