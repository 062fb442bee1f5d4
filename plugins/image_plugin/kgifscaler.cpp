#include "kgifscaler.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRect>

#include <gif_lib.h>

#include <algorithm>
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
    QRect TargetRect(const QRect& source) const;
    QImage Sample(const QRect& box, const ColorMapObject* map) const;
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
    // Nearest-neighbour scaling: the source column and row each target pixel samples.
    std::vector<int> m_columns;
    std::vector<int> m_rows;
};

// Target pixel t samples the source pixel under its centre.
std::vector<int> SampleMap(int target, int source)
{
    std::vector<int> map(static_cast<size_t>(target));
    for (int t = 0; t < target; ++t) {
        const qint64 centre = (2 * qint64(t) + 1) * source / (2 * qint64(target));
        map[size_t(t)] = int(qMin<qint64>(source - 1, centre));
    }
    return map;
}

// The target pixels whose samples fall into [from, to), at least one.
void Span(const std::vector<int>& map, int from, int to, int& first, int& count)
{
    first = int(std::lower_bound(map.begin(), map.end(), from) - map.begin());
    count = int(std::lower_bound(map.begin(), map.end(), to) - map.begin()) - first;
    if (count <= 0) {
        // Shrunk below a pixel: keep one where it would be, so every frame stays a frame.
        first = qMin(first, int(map.size()) - 1);
        count = 1;
    }
}

bool Run::Copy()
{
    m_columns = SampleMap(m_target.width(), m_screen.width());
    m_rows = SampleMap(m_target.height(), m_screen.height());
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
            // A GIF without a single image is no picture; decoders refuse it.
            if (m_imageNumber == 0)
                qDebug() << "GIF without images";
            return m_imageNumber > 0;
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
    // An extension without data carries nothing, and giflib's own whole-file reader loses its
    // place after one: leave it out.
    if (!block)
        return true;
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

// Where the image's rectangle lands on the target.
QRect Run::TargetRect(const QRect& source) const
{
    int x = 0, width = 0, y = 0, height = 0;
    Span(m_columns, source.left(), source.left() + source.width(), x, width);
    Span(m_rows, source.top(), source.top() + source.height(), y, height);
    return QRect(x, y, width, height);
}

// That part of the scaled screen as 32-bit ARGB: the transparent index transparent black, every
// other index its colour from the map, opaque.
QImage Run::Sample(const QRect& box, const ColorMapObject* map) const
{
    QImage part(box.size(), QImage::Format_ARGB32);
    if (part.isNull())
        return part;
    QRgb colours[256];
    for (int i = 0; i < 256; ++i) {
        const GifColorType c = i < map->ColorCount ? map->Colors[i] : GifColorType{0, 0, 0};
        colours[i] = i == m_transparent ? 0 : qRgb(c.Red, c.Green, c.Blue);
    }
    for (int y = 0; y < box.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
        const GifByteType* in =
            m_canvas.data() + size_t(m_rows[size_t(box.top() + y)]) * size_t(m_screen.width());
        for (int x = 0; x < box.width(); ++x)
            line[x] = colours[in[m_columns[size_t(box.left() + x)]]];
    }
    return part;
}

bool Run::CopyImage()
{
    if (DGifGetImageDesc(m_in) == GIF_ERROR)
        return false;
    ++m_imageNumber;
    const GifImageDesc d = m_in->Image;
    const QRect rect(d.Left, d.Top, d.Width, d.Height);
    if (d.Width <= 0 || d.Height <= 0 || d.Left < 0 || d.Top < 0 ||
        qint64(d.Left) + d.Width > m_screen.width() ||
        qint64(d.Top) + d.Height > m_screen.height()) {
        qDebug().noquote()
            << QStringLiteral("Image %1 is not confined to screen dimension! ").arg(m_imageNumber);
        return false;
    }
    if (!ReadRows(d))
        return false;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : m_in->SColorMap;
    if (!map) {
        qDebug() << "ColorMap is NULL";
        return false;
    }
    const QRect box = TargetRect(rect);
    return WriteImage(Sample(box, map), box.topLeft(), d.ColorMap == nullptr);
}

bool Run::WriteImage(const QImage& part, const QPoint& at, bool global)
{
    if (part.isNull())
        return false;
    if (global) {
        // giflib forgets, without freeing, the copy it keeps of an earlier image's own map.
        GifFreeMapObject(m_out->Image.ColorMap);
        m_out->Image.ColorMap = nullptr;
        if (EGifPutImageDesc(m_out, at.x(), at.y(), part.width(), part.height(), false, nullptr) ==
            GIF_ERROR) {
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
                              green.data(), blue.data(), indexes.data(), colours) == GIF_ERROR) {
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
    if (EGifPutImageDesc(m_out, at.x(), at.y(), part.width(), part.height(), false, map.get()) ==
        GIF_ERROR) {
        qDebug() << "SaveGif Failed";
        return false;
    }
    std::vector<GifByteType> line(size_t(part.width()));
    for (int y = 0; y < part.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(part.constScanLine(y));
        for (int x = 0; x < part.width(); ++x) {
            const size_t i = size_t(y) * size_t(part.width()) + size_t(x);
            line[size_t(x)] =
                GifByteType(reserve && qAlpha(in[x]) == 0 ? t : qMin(255, slot(indexes[i])));
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
                          in->SBackGroundColor, in->SColorMap) == GIF_ERROR) {
        qDebug() << "SaveGif Failed";
        return false;
    }
    return Run(in, out, target).Copy();
}

} // namespace

bool KGifScaler::Scale(const QString& source, const QString& destination, const QSize& target)
{
    if (source.isEmpty() || destination.isEmpty() || !QFileInfo(source).isFile() ||
        !Fits(target.width(), target.height()) || target.width() > 65535 || target.height() > 65535)
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
