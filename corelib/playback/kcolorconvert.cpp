#include "kcolorconvert.h"

namespace Ky {

quint32 QColor_TO_ABGR(const QColor& colour)
{
    return (quint32(colour.alpha()) << 24) | QColor_TO_BGR(colour);
}

quint32 QColor_TO_BGR(const QColor& colour)
{
    return (quint32(colour.blue()) << 16) | (quint32(colour.green()) << 8) | quint32(colour.red());
}

QColor ABGR_TO_QColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF),
                  int((value >> 24) & 0xFF));
}

QColor BGR_TO_QColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

void Convert_ARGB32_TO_RGB888(uchar* destination, const uchar* source, int width, int height,
                              int destinationStride)
{
    if (!destination || !source || height <= 0 || width <= 0)
        return;
    for (int y = 0; y < height; ++y) {
        uchar* out = destination + qsizetype(y) * destinationStride;
        const uchar* in = source + qsizetype(y) * width * 4;
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            const bool lit = in[3] != 0;
            out[0] = lit ? in[2] : 0;
            out[1] = lit ? in[1] : 0;
            out[2] = lit ? in[0] : 0;
        }
    }
}

QImage Convert_Image_ARGB32_TO_RGB888(const QImage& image)
{
    if (image.isNull())
        return QImage();
    const QImage argb = image.format() == QImage::Format_ARGB32
                            ? image
                            : image.convertToFormat(QImage::Format_ARGB32);
    QImage rgb(argb.size(), QImage::Format_RGB888);
    if (rgb.isNull())
        return QImage();
    // Source rows of a QImage may be padded; convert row by row with the image's own strides.
    for (int y = 0; y < argb.height(); ++y)
        Convert_ARGB32_TO_RGB888(rgb.scanLine(y), argb.constScanLine(y), argb.width(), 1,
                                 int(rgb.bytesPerLine()));
    return rgb;
}

} // namespace Ky
