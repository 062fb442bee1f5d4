#include "kscenenode.h"

#include "kcontrollernode.h"
#include "kframenode.h"

namespace Ky {

namespace {
const QString kTimeFormat = QStringLiteral("hh:mm:ss");
const QString kPlayMode = QStringLiteral("PlayMode");
const QString kFixedTime = QStringLiteral("FixedTime");
const QString kBgMode = QStringLiteral("BgMode");
const QString kBgImage = QStringLiteral("BgImage");

const char* const kWeekDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                 "Friday", "Saturday", "Sunday"};
} // namespace

KSceneNode::KSceneNode()
{
    connect(this, &KFrame::FrameHeightChanged, this, &KSceneNode::ON_FrameHeightChange);
}

KLevel KSceneNode::Level()
{
    return LEVEL_PROGRAM;
}

bool KSceneNode::GlobalScene()
{
    return false;
}

int KSceneNode::Duration()
{
    if (PlayMode() == PLAY_FIXED_TIME)
        return GetFixedTime() * 1000;
    int longest = 0;
    for (KNode* child : std::as_const(children())) {
        if (qobject_cast<KFrameNode*>(child))
            longest = qMax(longest, child->Duration());
    }
    return longest * GetPlayTimes();
}

int KSceneNode::PlayMode() const
{
    return GetAttribute(kPlayMode) == kFixedTime ? PLAY_FIXED_TIME : PLAY_LOOP;
}

void KSceneNode::SetPlayMode(int mode)
{
    SetAttribute(kPlayMode, mode == PLAY_FIXED_TIME ? kFixedTime : QStringLiteral("LoopTime"));
}

int KSceneNode::GetFixedTime() const
{
    return GetAttributeToInt(QStringLiteral("PlayeTime"));
}

void KSceneNode::SetPlayeTime(int seconds)
{
    SetAttribute(QStringLiteral("PlayeTime"), seconds);
}

void KSceneNode::SetFixedTime(const QTime& time)
{
    SetPlayeTime(time.hour() * 3600 + time.minute() * 60 + time.second());
}

int KSceneNode::GetPlayTimes() const
{
    return GetAttributeToInt(QStringLiteral("PlayTimes"));
}

void KSceneNode::SetPlayTimes(int times)
{
    SetAttribute(QStringLiteral("PlayTimes"), times);
}

int KSceneNode::BgMode() const
{
    return GetAttribute(kBgMode) == kBgImage ? BG_IMAGE : BG_COLOR;
}

void KSceneNode::SetBgMode(int mode)
{
    SetAttribute(kBgMode, mode == BG_IMAGE ? kBgImage : QStringLiteral("BgColor"));
    Q_EMIT BgModeChanged(mode);
}

QColor KSceneNode::BgColor() const
{
    // QColor::fromRgb(QRgb) drops the alpha byte: the background is always opaque.
    return QColor::fromRgb(QRgb(GetAttributeToInt(QStringLiteral("BgColor"))));
}

void KSceneNode::SetBgColor(const QColor& color)
{
    SetAttribute(QStringLiteral("BgColor"), int(qint32(color.rgba())));
    Q_EMIT BgColorChanged(color);
}

QString KSceneNode::BgImage() const
{
    return GetAttribute(kBgImage);
}

void KSceneNode::SetBgImage(const QString& path)
{
    SetFilePath(kBgImage, QStringList{path}, QStringList());
    Q_EMIT BgImageChanged(path);
}

int KSceneNode::Alpha() const
{
    return GetAttributeToInt(QStringLiteral("Alpha"));
}

void KSceneNode::SetAlpha(int alpha)
{
    SetAttribute(QStringLiteral("Alpha"), alpha);
    Q_EMIT AlphaChanged(alpha);
}

QTime KSceneNode::GetSpaceStartTime() const
{
    return QTime::fromString(GetAttribute(QStringLiteral("SpaceStartTime")), kTimeFormat);
}

QTime KSceneNode::GetSpaceStopTime() const
{
    return QTime::fromString(GetAttribute(QStringLiteral("SpaceStopTime")), kTimeFormat);
}

void KSceneNode::SetSpaceStartTime(const QTime& time)
{
    SetAttribute(QStringLiteral("SpaceStartTime"), time.toString(kTimeFormat));
}

void KSceneNode::SetSpaceStopTime(const QTime& time)
{
    SetAttribute(QStringLiteral("SpaceStopTime"), time.toString(kTimeFormat));
}

KSceneNode::EN_LimitMode KSceneNode::GetLimitMode() const
{
    return GetAttributeToInt(QStringLiteral("LimitMode"));
}

void KSceneNode::SetLimitMode(EN_LimitMode mode)
{
    SetAttribute(QStringLiteral("LimitMode"), mode);
}

int KSceneNode::GetLastMonth() const
{
    return GetAttributeToInt(QStringLiteral("LastMonth"));
}

void KSceneNode::SetLastMonth(int value)
{
    SetAttribute(QStringLiteral("LastMonth"), value);
}

int KSceneNode::GetHaveNeon() const
{
    return GetAttributeToInt(QStringLiteral("HaveNeon"));
}

void KSceneNode::SetHaveNeon(int value)
{
    SetAttribute(QStringLiteral("HaveNeon"), value);
}

int KSceneNode::GetUseSpacifiled() const
{
    return GetAttributeToInt(QStringLiteral("UseSpacifiled"));
}

QString KSceneNode::GetDateEnable(int n) const
{
    return GetAttribute(QStringLiteral("Month_") + QString::number(n));
}

void KSceneNode::SetDateEnable(int n, const QString& value)
{
    SetAttribute(QStringLiteral("Month_") + QString::number(n), value);
}

int KSceneNode::GetWeekCheck(int day) const
{
    if (day < 0 || day > 6)
        return 0;
    return GetAttributeToInt(QLatin1String(kWeekDays[day]));
}

QSize KSceneNode::Size()
{
    KControllerNode* screen = GetScreenNode();
    return screen ? screen->size() : QSize(0, 0);
}

QSize KSceneNode::ContentSize()
{
    KControllerNode* screen = GetScreenNode();
    if (!screen)
        return QSize(0, 0);
    const int border = 2 * FrameHeight();
    return QSize(screen->Width() - border, screen->Height() - border);
}

void KSceneNode::ON_SizeChange(const QSize& newSize, const QSize& oldSize)
{
    const int border = 2 * FrameHeight();
    if (newSize.width() - border < 8 || newSize.height() - border < 8)
        SetEnable(false);
    Q_EMIT SizeChange();
    for (KNode* child : std::as_const(children())) {
        if (auto* area = qobject_cast<KFrameNode*>(child))
            area->ON_SizeChange(newSize, oldSize);
    }
}

void KSceneNode::ON_FrameHeightChange(int new_height, int old_height)
{
    for (KNode* child : std::as_const(children())) {
        if (auto* area = qobject_cast<KFrameNode*>(child))
            area->ON_SceneFrameChanged(new_height, old_height);
    }
}

} // namespace Ky
