#pragma once

#include "dynamicimageitem.h"
#include "kcontentnode.h"

#include <QList>

namespace Ky {

// A content with entry and exit effects and their timing (pictures, animations).
class KCORE_EXPORT KEffectNode : public KContentNode
{
    Q_OBJECT
public:
    using EffectType = int;

    KEffectNode();

    EffectType GetDispEffect() const;
    int GetDispTime() const;
    EffectType GetClearEffect() const;
    int GetClearTime() const;
    int GetHoldTime() const;

    void SetDispEffect(EffectType effect);
    void SetDispTime(int time);
    void SetClearEffect(EffectType effect);
    void SetClearTime(int time);
    void SetHoldTime(int time);

    static void GetDispEffectName(QList<DynamicImageItem>& items);
    static void GetClearEffectName(QList<DynamicImageItem>& items);

Q_SIGNALS:
    void DispEffectChanged(int effect);
    void ClearEffectChanged(int effect);
    void DispTimeChanged(int time);
    void ClearTimeChanged(int time);
    void HoldTimeChanged(int time);
};

} // namespace Ky
