#include "kframe.h"

#include <QCoreApplication>
#include <QFile>

namespace Ky {

namespace {
const QString kEnable = QStringLiteral("FrameEnable");
const QString kType = QStringLiteral("FrameType");
const QString kMotley = QStringLiteral("MotleyIndex");
const QString kTricolor = QStringLiteral("TricolorIndex");
const QString kPurity = QStringLiteral("PurityIndex");
const QString kPurityColor = QStringLiteral("PurityColor");
const QString kSpeed = QStringLiteral("FrameSpeed");
const QString kEffect = QStringLiteral("FrameEffect");

constexpr int kMaxHeight = 8;
constexpr int kMaxPattern = 29;
} // namespace

KFrame::KFrame() = default;

bool KFrame::Enable() const
{
    return GetAttributeToInt(kEnable) != 0;
}

int KFrame::FrameType() const
{
    return GetAttributeToInt(kType);
}

int KFrame::Speed() const
{
    return GetAttributeToInt(kSpeed);
}

int KFrame::Effect() const
{
    return GetAttributeToInt(kEffect);
}

int KFrame::MotleyIndex() const
{
    return GetAttributeToInt(kMotley);
}

int KFrame::TricolorIndex() const
{
    return GetAttributeToInt(kTricolor);
}

int KFrame::PurityIndex() const
{
    return GetAttributeToInt(kPurity);
}

int KFrame::PurityColor() const
{
    return GetAttributeToInt(kPurityColor);
}

void KFrame::SetEnable(bool enable)
{
    if (enable == Enable())
        return;
    SetAttribute(kEnable, enable ? 1 : 0);
    const int height = Type2Height(FrameType());
    if (enable)
        Q_EMIT FrameHeightChanged(height, 0);
    else
        Q_EMIT FrameHeightChanged(0, height);
    Q_EMIT FrameChanged();
}

void KFrame::SetType(int type)
{
    const int oldHeight = Type2Height(FrameType());
    const int newHeight = Type2Height(type);
    SetAttribute(kType, type);
    Q_EMIT FrameChanged();
    if (newHeight != oldHeight)
        Q_EMIT FrameHeightChanged(newHeight, oldHeight);
}

void KFrame::SetSpeed(int speed)
{
    SetAttribute(kSpeed, speed);
    Q_EMIT FrameChanged();
}

void KFrame::SetEffect(int effect)
{
    SetAttribute(kEffect, effect);
    Q_EMIT FrameChanged();
}

void KFrame::SetPurityColor(int color)
{
    SetAttribute(kPurityColor, color);
    Q_EMIT FrameChanged();
}

void KFrame::SetIndex(const QString& key, int index)
{
    const int oldHeight = Type2Height(FrameType());
    SetAttribute(key, index);
    const int newHeight = Type2Height(FrameType());
    Q_EMIT FrameChanged();
    if (newHeight != oldHeight)
        Q_EMIT FrameHeightChanged(newHeight, oldHeight);
}

void KFrame::SetMotleyIndex(int index)
{
    SetIndex(kMotley, index);
}

void KFrame::SetTricolorIndex(int index)
{
    SetIndex(kTricolor, index);
}

void KFrame::SetPurityIndex(int index)
{
    SetIndex(kPurity, index);
}

int KFrame::FrameHeight() const
{
    return Enable() ? Type2Height(FrameType()) : 0;
}

QString KFrame::Type2Image(int type) const
{
    const QStringList* list = &MotleyImageList();
    int index = MotleyIndex();
    if (type == Tricolor) {
        list = &TricolorImageList();
        index = TricolorIndex();
    } else if (type == Purity) {
        list = &PurityImageList();
        index = PurityIndex();
    }
    return list->value(index); // empty outside the list
}

int KFrame::Type2Height(int type) const
{
    // ":/images/" + letter + height digit + "_" + n + ".bmp"
    const QString path = Type2Image(type);
    const int digit = path.size() > 10 ? path.at(10).digitValue() : -1;
    return digit > 0 ? digit : 0;
}

QStringList KFrame::EffectList()
{
    return {tr("Rotate"), tr("Twinkle"), tr("Static")};
}

QStringList KFrame::ImageList(int family)
{
    const QChar letter = family == Tricolor ? QLatin1Char('T')
                         : family == Purity ? QLatin1Char('P')
                                            : QLatin1Char('M');
    QStringList list;
    for (int height = 1; height <= kMaxHeight; ++height) {
        for (int n = 0; n <= kMaxPattern; ++n) {
            const QString path = QStringLiteral(":/images/") + letter + QString::number(height)
                                 + QLatin1Char('_') + QString::number(n) + QStringLiteral(".bmp");
            if (QFile::exists(path))
                list.append(path);
        }
    }
    return list;
}

const QStringList& KFrame::MotleyImageList()
{
    static const QStringList list = ImageList(Motley);
    return list;
}

const QStringList& KFrame::TricolorImageList()
{
    static const QStringList list = ImageList(Tricolor);
    return list;
}

const QStringList& KFrame::PurityImageList()
{
    static const QStringList list = ImageList(Purity);
    return list;
}

} // namespace Ky
