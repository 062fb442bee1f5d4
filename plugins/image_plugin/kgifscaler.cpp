#include "kgifscaler.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRect>

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace Ky::KImagePlugin {

namespace {

constexpr int kNoTransparency = -1;

struct Decoder
{
    GifFileType* gif = nullptr;
    ~Decoder()
    {
        int error = 0;
        if (gif)
            DGifCloseFile(gif, &error);
    }
};

struct Encoder
{
    GifFileType* gif = nullptr;
    bool Close()
    {
        int error = 0;
        const bool ok = !gif || EGifCloseFile(gif, &error) != GIF_ERROR;
        gif = nullptr;
        return ok;
    }
    ~Encoder() { Close(); }
};

struct MapDeleter
{
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using Map = std::unique_ptr<ColorMapObject, MapDeleter>;

bool Fits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= KGifScaler::MaxPixels;
}

// One run from one source file to one destination file.
class Run
{
public:
    Run(GifFileType* in, GifFileType* out, const QSize& target)
        : m_in(in), m_out(out), m_target(target), m_screen(in->SWidth, in->SHeight)
    {
    }

    bool Copy();

private:
    bool CopyExtension();
    bool CopyImage();
    bool ReadRows(const GifImageDesc& d);
    QImage CanvasImage(const ColorMapObject* map) const;
    QRect TargetRect(const QRect& source);
    bool WriteImage(const QImage& part, const QPoint& at, bool global);
    bool WriteGlobal(const QImage& part);
    bool WriteLocal(const QImage& part, const QPoint& at);

    GifFileType* m_in;
    GifFileType* m_out;
    QSize m_target;
    QSize m_screen;
    std::vector<GifByteType> m_canvas;
    int m_transparent = kNoTransparency;
    int m_imageNumber = 0;
    QHash<quint64, QRect> m_rects; // source rectangle -> target rectangle
};

bool Run::Copy()
{
    m_canvas.assign(size_t(m_screen.width()) * size_t(m_screen.height()),
                    GifByteType(m_in->SBackGroundColor));
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(m_in, &type) == GIF_ERROR)
            return false;
        switch (type) {
        case EXTENSION_RECORD_TYPE:
            if (!CopyExtension())
                return false;
            break;
        case IMAGE_DESC_RECORD_TYPE:
            if (!CopyImage())
                return false;
            break;
        case TERMINATE_RECORD_TYPE:
            return true;
        default:
            return false;
        }
    }
}

// Copies an extension block by block. A graphic control extension sets the transparency of the
// next image; others leave it.
bool Run::CopyExtension()
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(m_in, &code, &block) == GIF_ERROR)
        return false;
    const bool control = code == GRAPHICS_EXT_FUNC_CODE;
    if (control)
        m_transparent = kNoTransparency;
    if (EGifPutExtensionLeader(m_out, code) == GIF_ERROR)
        return false;
    while (block) {
        if (control && block[0] >= 4 && (block[1] & 1))
            m_transparent = block[4];
        if (EGifPutExtensionBlock(m_out, block[0], block + 1) == GIF_ERROR)
            return false;
        if (DGifGetExtensionNext(m_in, &block) == GIF_ERROR)
            return false;
    }
    return EGifPutExtensionTrailer(m_out) != GIF_ERROR;
}

bool Run::ReadRows(const GifImageDesc& d)
{
    const auto row = [&](int y) {
        return m_canvas.data() + size_t(d.Top + y) * size_t(m_screen.width()) + size_t(d.Left);
    };
    if (d.Interlace) {
        const int start[] = {0, 4, 2, 1};
        const int step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < d.Height; y += step[pass])
                if (DGifGetLine(m_in, row(y), d.Width) == GIF_ERROR)
                    return false;
        return true;
    }
    for (int y = 0; y < d.Height; ++y)
        if (DGifGetLine(m_in, row(y), d.Width) == GIF_ERROR)
            return false;
    return true;
}

QImage Run::CanvasImage(const ColorMapObject* map) const
{
    QImage image(m_screen, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    QRgb colours[256];
    for (int i = 0; i < 256; ++i) {
        const GifColorType c = i < map->ColorCount ? map->Colors[i] : GifColorType{0, 0, 0};
        colours[i] = i == m_transparent ? 0 : qRgb(c.Red, c.Green, c.Blue);
    }
    for (int y = 0; y < m_screen.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const GifByteType* in = m_canvas.data() + size_t(y) * size_t(m_screen.width());
        for (int x = 0; x < m_screen.width(); ++x)
            line[x] = colours[in[x]];
    }
    return image;
}

// Where the image's rectangle lands when the screen is scaled as the pictures are.
QRect Run::TargetRect(const QRect& source)
{
    const quint64 key = (quint64(source.x()) << 48) | (quint64(source.y()) << 32)
                        | (quint64(source.width()) << 16) | quint64(source.height());
    const auto known = m_rects.constFind(key);
    if (known != m_rects.constEnd())
        return known.value();
    QImage mask(m_screen, QImage::Format_ARGB32);
    mask.fill(0);
    for (int y = source.top(); y <= source.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = source.left(); x <= source.right(); ++x)
            line[x] = 0xFF000000;
    }
    const QImage scaled = mask.scaled(m_target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QRect box;
    for (int y = 0; y < scaled.height() && box.isNull(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < scaled.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            int w = 1;
            while (x + w < scaled.width() && qAlpha(line[x + w]) != 0)
                ++w;
            int h = 1;
            while (y + h < scaled.height() && qAlpha(scaled.pixel(x, y + h)) != 0)
                ++h;
            box = QRect(x, y, w, h);
            break;
        }
    }
    if (box.isNull()) {
        // Shrunk below a pixel: keep a pixel where it would be, so every frame stays a frame.
        const int x = int(qint64(source.left()) * m_target.width() / m_screen.width());
        const int y = int(qint64(source.top()) * m_target.height() / m_screen.height());
        box = QRect(qMin(x, m_target.width() - 1), qMin(y, m_target.height() - 1), 1, 1);
    }
    m_rects.insert(key, box);
    return box;
}

bool Run::CopyImage()
{
    if (DGifGetImageDesc(m_in) == GIF_ERROR)
        return false;
    ++m_imageNumber;
    const GifImageDesc d = m_in->Image;
    const QRect rect(d.Left, d.Top, d.Width, d.Height);
    if (d.Width <= 0 || d.Height <= 0 || d.Left < 0 || d.Top < 0
        || qint64(d.Left) + d.Width > m_screen.width()
        || qint64(d.Top) + d.Height > m_screen.height()) {
        qDebug().noquote() << QStringLiteral("Image %1 is not confined to screen dimension! ")
                        .arg(m_imageNumber);
        return false;
    }
    if (!ReadRows(d))
        return false;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : m_in->SColorMap;
    if (!map) {
        qDebug() << "ColorMap is NULL";
        return false;
    }
    const QImage picture = CanvasImage(map).scaled(m_target, Qt::IgnoreAspectRatio,
                                                   Qt::FastTransformation);
    if (picture.isNull())
        return false;
    const QRect box = TargetRect(rect);
    return WriteImage(picture.copy(box), box.topLeft(), d.ColorMap == nullptr);
}

bool Run::WriteImage(const QImage& part, const QPoint& at, bool global)
{
    if (part.isNull())
        return false;
    if (global) {
        if (EGifPutImageDesc(m_out, at.x(), at.y(), part.width(), part.height(), false, nullptr)
            == GIF_ERROR) {
            qDebug() << "SaveGif Failed";
            return false;
        }
        return WriteGlobal(part);
    }
    return WriteLocal(part, at);
}

// Each pixel takes the first global index of exactly its colour; transparent pixels and
// colours the map lacks take the transparent index.
bool Run::WriteGlobal(const QImage& part)
{
    const ColorMapObject* map = m_in->SColorMap;
    QHash<QRgb, int> index;
    for (int i = map->ColorCount - 1; i >= 0; --i) {
        const GifColorType c = map->Colors[i];
        index.insert(qRgb(c.Red, c.Green, c.Blue), i);
    }
    const int fallback = m_transparent == kNoTransparency ? 0 : m_transparent;
    std::vector<GifByteType> line(size_t(part.width()));
    for (int y = 0; y < part.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x)
            line[size_t(x)] =
                GifByteType(qAlpha(in[x]) == 0 ? fallback : index.value(in[x], fallback));
        if (EGifPutLine(m_out, line.data(), part.width()) == GIF_ERROR) {
            qDebug() << "SaveGif Failed";
            return false;
        }
    }
    return true;
}

// The colours of a part in order of appearance, when there are at most limit of them.
bool ExactColours(const QImage& part, int limit, QList<QRgb>& colours)
{
    QHash<QRgb, int> seen;
    for (int y = 0; y < part.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            if (qAlpha(in[x]) == 0 || seen.contains(in[x]))
                continue;
            if (colours.size() == limit)
                return false;
            seen.insert(in[x], int(colours.size()));
            colours.append(in[x]);
        }
    }
    return true;
}

// A new local map. Nearest scaling brings no new colours, so the part's colours fit a map as
// they are; giflib's quantiser (which keeps 5 bits per primary) is the fallback. When the image
// has a transparent index, that index stays reserved for the transparent pixels.
bool Run::WriteLocal(const QImage& part, const QPoint& at)
{
    const bool reserve = m_transparent != kNoTransparency;
    const int t = m_transparent;
    const int limit = reserve ? 255 : 256;
    const auto slot = [&](int q) { return reserve && q >= t ? q + 1 : q; };
    const size_t count = size_t(part.width()) * size_t(part.height());
    std::vector<GifByteType> indexes(count);
    GifColorType colours[256] = {};
    int size = 0;
    QList<QRgb> exact;
    if (ExactColours(part, limit, exact)) {
        QHash<QRgb, int> index;
        for (int q = 0; q < exact.size(); ++q) {
            index.insert(exact[q], q);
            colours[q] = {GifByteType(qRed(exact[q])), GifByteType(qGreen(exact[q])),
                          GifByteType(qBlue(exact[q]))};
        }
        size = int(exact.size());
        for (int y = 0; y < part.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
            for (int x = 0; x < part.width(); ++x)
                indexes[size_t(y) * size_t(part.width()) + size_t(x)] =
                    GifByteType(index.value(in[x], 0));
        }
    } else {
        std::vector<GifByteType> red(count), green(count), blue(count);
        for (int y = 0; y < part.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                const size_t i = size_t(y) * size_t(part.width()) + size_t(x);
                red[i] = GifByteType(qRed(in[x]));
                green[i] = GifByteType(qGreen(in[x]));
                blue[i] = GifByteType(qBlue(in[x]));
            }
        }
        size = limit;
        if (GifQuantizeBuffer(unsigned(part.width()), unsigned(part.height()), &size, red.data(),
                              green.data(), blue.data(), indexes.data(), colours)
            == GIF_ERROR) {
            qDebug() << "GifQuantizeBuffer Failed";
            return false;
        }
    }
    Map map(GifMakeMapObject(256, nullptr));
    if (!map) {
        qDebug() << "GifMakeMapObject Failed! ";
        return false;
    }
    for (int q = 0; q < 256; ++q)
        map->Colors[q] = GifColorType{0, 0, 0};
    for (int q = 0; q < size && slot(q) < 256; ++q)
        map->Colors[slot(q)] = colours[q];
    if (EGifPutImageDesc(m_out, at.x(), at.y(), part.width(), part.height(), false, map.get())
        == GIF_ERROR) {
        qDebug() << "SaveGif Failed";
        return false;
    }
    std::vector<GifByteType> line(size_t(part.width()));
    for (int y = 0; y < part.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            const size_t i = size_t(y) * size_t(part.width()) + size_t(x);
            line[size_t(x)] = GifByteType(reserve && qAlpha(in[x]) == 0
                                              ? t
                                              : qMin(255, slot(indexes[i])));
        }
        if (EGifPutLine(m_out, line.data(), part.width()) == GIF_ERROR) {
            qDebug() << "SaveGif Failed";
            return false;
        }
    }
    return true;
}

bool ScaleOpened(GifFileType* in, GifFileType* out, const QSize& target)
{
    if (!Fits(in->SWidth, in->SHeight)) {
        qDebug() << "GIF screen" << in->SWidth << "x" << in->SHeight << "is too large";
        return false;
    }
    EGifSetGifVersion(out, true);
    if (EGifPutScreenDesc(out, target.width(), target.height(), in->SColorResolution,
                          in->SBackGroundColor, in->SColorMap)
        == GIF_ERROR) {
        qDebug() << "SaveGif Failed";
        return false;
    }
    return Run(in, out, target).Copy();
}

} // namespace

bool KGifScaler::Scale(const QString& source, const QString& destination, const QSize& target)
{
    if (source.isEmpty() || destination.isEmpty() || !QFileInfo(source).isFile()
        || !Fits(target.width(), target.height()) || target.width() > 65535
        || target.height() > 65535)
        return false;
    int error = 0;
    Decoder in;
    in.gif = DGifOpenFileName(QFile::encodeName(source).constData(), &error);
    Encoder out;
    if (in.gif)
        out.gif = EGifOpenFileName(QFile::encodeName(destination).constData(), false, &error);
    if (!in.gif || !out.gif) {
        qDebug() << "Open File Error";
        return false;
    }
    bool ok = ScaleOpened(in.gif, out.gif, target);
    ok = out.Close() && ok;
    if (!ok)
        QFile::remove(destination);
    return ok;
}

} // namespace Ky::KImagePlugin
