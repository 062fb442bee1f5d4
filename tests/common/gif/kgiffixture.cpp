#include "kgiffixture.h"

#include <QFile>
#include <QHash>
#include <QRect>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace Ky::Test {

namespace {

using Palette = QList<QRgb>; // opaque colours; the index after the last is transparent

bool Collect(const QImage& image, Palette& palette)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const QRgb c = line[x] | 0xFF000000;
            if (!palette.contains(c))
                palette.append(c);
        }
    }
    return palette.size() <= 255;
}

struct MapDeleter
{
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using Map = std::unique_ptr<ColorMapObject, MapDeleter>;

Map MakeMap(const Palette& palette)
{
    Map map(GifMakeMapObject(256, nullptr));
    if (!map)
        return map;
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette.at(i) : 0;
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    return map;
}

std::vector<GifByteType> Indexes(const QImage& image, const Palette& palette, int transparent)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<GifByteType> out(size_t(argb.width()) * size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = line[x];
            out[size_t(y) * size_t(argb.width()) + size_t(x)] =
                GifByteType(qAlpha(c) == 0 ? transparent : int(palette.indexOf(c | 0xFF000000)));
        }
    }
    return out;
}

bool WriteFrame(GifFileType* gif, const GifFrame& frame, const Palette& palette,
                ColorMapObject* local)
{
    const int transparent = int(palette.size());
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.DelayTime = frame.delayMs / 10;
    gcb.TransparentColor = transparent;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&gcb, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR)
        return false;
    const int w = frame.image.width();
    const int h = frame.image.height();
    // giflib forgets, without freeing, the copy it keeps of an earlier image's own map.
    if (!local) {
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    if (EGifPutImageDesc(gif, frame.pos.x(), frame.pos.y(), w, h, frame.interlaced, local) ==
        GIF_ERROR)
        return false;
    std::vector<GifByteType> pixels = Indexes(frame.image, palette, transparent);
    const auto row = [&](int y) { return pixels.data() + size_t(y) * size_t(w); };
    if (frame.interlaced) {
        const int start[] = {0, 4, 2, 1};
        const int step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < h; y += step[pass])
                if (EGifPutLine(gif, row(y), w) == GIF_ERROR)
                    return false;
        return true;
    }
    for (int y = 0; y < h; ++y)
        if (EGifPutLine(gif, row(y), w) == GIF_ERROR)
            return false;
    return true;
}

} // namespace

bool WriteGif(const QString& path, const QSize& screen, const QList<GifFrame>& frames)
{
    Palette global;
    for (const GifFrame& frame : frames)
        if (!frame.localMap && !Collect(frame.image, global))
            return false;
    int error = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &error);
    if (!gif)
        return false;
    bool ok = true;
    Map globalMap = MakeMap(global);
    EGifSetGifVersion(gif, true);
    ok = globalMap && EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0,
                                        globalMap.get()) != GIF_ERROR;
    for (const GifFrame& frame : frames) {
        if (!ok)
            break;
        if (frame.localMap) {
            Palette own;
            Map map;
            ok = Collect(frame.image, own) && (map = MakeMap(own)) &&
                 WriteFrame(gif, frame, own, map.get());
        } else {
            ok = WriteFrame(gif, frame, global, nullptr);
        }
    }
    return EGifCloseFile(gif, &error) != GIF_ERROR && ok;
}

GifInfo ReadGif(const QString& path)
{
    GifInfo info;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif)
        return info;
    if (DGifSlurp(gif) == GIF_OK) {
        info.ok = true;
        info.screen = QSize(gif->SWidth, gif->SHeight);
        info.frames = gif->ImageCount;
        QImage canvas(info.screen, QImage::Format_ARGB32);
        canvas.fill(0);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GraphicsControlBlock gcb{};
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            DGifSavedExtensionToGCB(gif, i, &gcb);
            info.delaysMs.append(gcb.DelayTime * 10);
            const GifImageDesc& d = image.ImageDesc;
            info.rects.append(QRect(d.Left, d.Top, d.Width, d.Height));
            const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
            for (int y = 0; map && y < d.Height; ++y) {
                for (int x = 0; x < d.Width; ++x) {
                    const int index = image.RasterBits[y * d.Width + x];
                    const int cx = d.Left + x;
                    const int cy = d.Top + y;
                    if (index == gcb.TransparentColor || index >= map->ColorCount ||
                        !canvas.rect().contains(cx, cy))
                        continue;
                    const GifColorType c = map->Colors[index];
                    canvas.setPixel(cx, cy, qRgb(c.Red, c.Green, c.Blue));
                }
            }
            info.canvases.append(canvas.copy());
        }
    }
    DGifCloseFile(gif, &error);
    return info;
}

QList<GifFrame> SolidFrames(int n, const QSize& size, int delayMs)
{
    static const QRgb colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                                   0xFF00FFFF, 0xFFFF00FF, 0xFFFFFFFF, 0xFF808080};
    QList<GifFrame> frames;
    for (int i = 0; i < n; ++i) {
        GifFrame frame;
        frame.image = QImage(size, QImage::Format_ARGB32);
        frame.image.fill(colours[i % 8]);
        frame.delayMs = delayMs;
        frames.append(frame);
    }
    return frames;
}

} // namespace Ky::Test
