#pragma once

#include <QString>
#include <QtGlobal>

namespace Ky {

// What a content renderer hands to a picture engine (KGifPlay, pictureplayer). The caller owns
// it; the engines copy what they need.
struct SessionParameter
{
    QString file;     // picture file (KGifPlay only)
    quint32 area = 0; // area id of the render service
    int x = 0;        // place of the picture inside the area
    int y = 0;
    int width = 0;
    int height = 0;
    int spare = 0;          // carried, not used by the engines
    quint32 effect[6] = {}; // display effect, display ms, clear effect, clear ms, 0, hold ms
    quint32 fillType = 0;   // passed to UpdatePictureSessionFillType
    quint8 spareFlag = 1;   // carried, not used by the engines
    quint8 alphaBlend = 1;  // 0: fully transparent pixels are shown opaque black
};

} // namespace Ky
