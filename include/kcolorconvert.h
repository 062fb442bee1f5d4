#pragma once

#include "kcore_global.h"

#include <QColor>
#include <QImage>
#include <QtGlobal>

namespace Ky {

// Colour words in the byte order of the controllers: red in the lowest byte.
KCORE_EXPORT quint32 QColor_TO_ABGR(const QColor& colour);
KCORE_EXPORT quint32 QColor_TO_BGR(const QColor& colour);
KCORE_EXPORT QColor ABGR_TO_QColor(quint32 value);
KCORE_EXPORT QColor BGR_TO_QColor(quint32 value);

// Packs 32-bit pixels (blue, green, red, alpha in memory) into red, green, blue bytes; pixels
// with alpha 0 become three zero bytes. destinationStride is the byte length of a destination
// row. Does nothing for null pointers or a height of 0.
KCORE_EXPORT void Convert_ARGB32_TO_RGB888(uchar* destination, const uchar* source, int width,
                                           int height, int destinationStride);
// The image as 24-bit RGB by the rule above; null for a null image.
KCORE_EXPORT QImage Convert_Image_ARGB32_TO_RGB888(const QImage& image);

} // namespace Ky
