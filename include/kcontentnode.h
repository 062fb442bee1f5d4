#pragma once

#include "knode.h"

#include <QPoint>
#include <QSize>

namespace Ky {

// A content item of an area (picture, animation, text, video). Knows its place through the
// area it belongs to.
class KCORE_EXPORT KContentNode : public KNode
{
    Q_OBJECT
public:
    KContentNode();

    KLevel Level() override;

    virtual QSize Size();
    virtual int FrameHeight();
    virtual QPoint Pos();
    // Called by the area whenever its content size changes.
    virtual void ON_SizeChange(const QSize& size);

    int Alpha() const;
    void SetAlpha(int alpha);
    bool VFileReady() const;
    void SetVFileReady(bool ready);
    int FilesLargerThan4G() const;
    void SetFilesLargerThan4G(int value);

Q_SIGNALS:
    void AlphaChanged(int alpha);
};

} // namespace Ky
