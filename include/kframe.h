#pragma once

#include "knode.h"

#include <QStringList>

namespace Ky {

// Border settings shared by programs and areas. Patterns are bitmaps in the core library's
// resources (":/images/<family letter><height>_<n>.bmp"); an index attribute counts positions
// in the family's pattern list.
class KCORE_EXPORT KFrame : public KNode
{
    Q_OBJECT
public:
    enum Family { Motley = 0, Tricolor = 1, Purity = 2 };

    KFrame();

    bool Enable() const;
    int FrameType() const;
    int Speed() const;
    int Effect() const;
    int MotleyIndex() const;
    int TricolorIndex() const;
    int PurityIndex() const;
    int PurityColor() const;

    void SetEnable(bool enable);
    void SetType(int type);
    void SetSpeed(int speed);
    void SetEffect(int effect);
    void SetMotleyIndex(int index);
    void SetTricolorIndex(int index);
    void SetPurityIndex(int index);
    void SetPurityColor(int color);

    // 0 while the border is off, else the thickness of the chosen pattern.
    int FrameHeight() const;
    // Resource path of the chosen pattern of a family; empty when the stored index lies
    // outside the family's list.
    QString Type2Image(int type) const;
    // Thickness of the chosen pattern of a family; 0 when there is no such pattern.
    int Type2Height(int type) const;

    static QStringList EffectList();
    static QStringList ImageList(int family);
    static const QStringList& MotleyImageList();
    static const QStringList& TricolorImageList();
    static const QStringList& PurityImageList();

Q_SIGNALS:
    void FrameHeightChanged(int new_height, int old_height);
    void FrameChanged();

private:
    void SetIndex(const QString& key, int index);
};

} // namespace Ky
