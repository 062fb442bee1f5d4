#include "keffectnode.h"

#include <QCoreApplication>

namespace Ky {

namespace {

struct EffectEntry
{
    int id;
    const char* name;
};

// Effects 1 to 19, shared by the entry and the exit table.
const EffectEntry kMotionEffects[] = {
    {1, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Move Left")},
    {2, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Move Right")},
    {3, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Move Up")},
    {4, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Move Down")},
    {5, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Cover Left")},
    {6, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Cover Right")},
    {7, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Cover Up")},
    {8, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Cover Down")},
    {9, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Top Left Cover")},
    {10, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Bottom Left Covert")},
    {11, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Top Right Cover")},
    {12, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Bottom Right Cover")},
    {13, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Open From Middle")},
    {14, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Up Down Open")},
    {15, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Close From Middle")},
    {16, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Up Down Close")},
    {17, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Gradual Change")},
    {18, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Horizontal Blinds")},
    {19, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Vertical Blinds")},
};

void Append(QList<DynamicImageItem>& items, const EffectEntry& entry)
{
    items.append({entry.id, QCoreApplication::translate("Ky::KEffectNode", entry.name)});
}

} // namespace

KEffectNode::KEffectNode() = default;

KEffectNode::EffectType KEffectNode::GetDispEffect() const
{
    return GetAttributeToInt(QStringLiteral("DispEffect"));
}

int KEffectNode::GetDispTime() const
{
    return GetAttributeToInt(QStringLiteral("DispTime"));
}

KEffectNode::EffectType KEffectNode::GetClearEffect() const
{
    return GetAttributeToInt(QStringLiteral("ClearEffect"));
}

int KEffectNode::GetClearTime() const
{
    return GetAttributeToInt(QStringLiteral("ClearTime"));
}

int KEffectNode::GetHoldTime() const
{
    return GetAttributeToInt(QStringLiteral("HoldTime"));
}

void KEffectNode::SetDispEffect(EffectType effect)
{
    SetAttribute(QStringLiteral("DispEffect"), effect);
    Q_EMIT DispEffectChanged(effect);
}

void KEffectNode::SetDispTime(int time)
{
    SetAttribute(QStringLiteral("DispTime"), time);
    Q_EMIT DispTimeChanged(time);
}

void KEffectNode::SetClearEffect(EffectType effect)
{
    SetAttribute(QStringLiteral("ClearEffect"), effect);
    Q_EMIT ClearEffectChanged(effect);
}

void KEffectNode::SetClearTime(int time)
{
    SetAttribute(QStringLiteral("ClearTime"), time);
    Q_EMIT ClearTimeChanged(time);
}

void KEffectNode::SetHoldTime(int time)
{
    SetAttribute(QStringLiteral("HoldTime"), time);
    Q_EMIT HoldTimeChanged(time);
}

void KEffectNode::GetDispEffectName(QList<DynamicImageItem>& items)
{
    Append(items, {25, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Random")});
    Append(items, {0, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Immediate Show")});
    for (const EffectEntry& entry : kMotionEffects)
        Append(items, entry);
}

void KEffectNode::GetClearEffectName(QList<DynamicImageItem>& items)
{
    Append(items, {25, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Random")});
    Append(items, {0, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Immediate Clear")});
    Append(items, {20, QT_TRANSLATE_NOOP("Ky::KEffectNode", "Don't Clear Screen")});
    for (const EffectEntry& entry : kMotionEffects)
        Append(items, entry);
}

} // namespace Ky
