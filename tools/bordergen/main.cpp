// Border pattern generator.
//
// Writes one bitmap per border pattern and a resource collection file that lists them under the
// prefix /images, named <family letter><thickness>_<pattern number>.bmp. Each bitmap is one repeat
// of a strip as thick as the border; the frame renderer tiles it along the edges and shifts it
// (rotate), alternates it (twinkle) or leaves it (static).
//
// Families: M multicolour (rainbow colours), T three-colour (red, green and yellow, the colours a
// red/green module can show), P single-colour (white; the renderer tints it with the chosen
// colour). Unlit pixels are black in every family.
//
// Usage: bordergen <output directory> <qrc file>

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

namespace {

constexpr int kHeights = 8;
constexpr int kMaxWidth = 64;

// ---------------------------------------------------------------------------------------------
// Which patterns exist. Pattern number n of a family draws the n-th design of that family's
// catalogue below at the given thickness; gaps in a row are numbers the set does not provide.

std::vector<int> upTo(int count)
{
    std::vector<int> numbers(count);
    for (int n = 0; n < count; ++n)
        numbers[n] = n;
    return numbers;
}

struct FamilySet
{
    char letter;
    std::vector<int> numbers[kHeights]; // per thickness 1..8
};

const std::vector<FamilySet>& familySets()
{
    static const std::vector<FamilySet> sets = {
        // clang-format off
        {'M', {upTo(9),  {0, 1, 2, 5, 6, 7, 8}, upTo(9),  upTo(9),  upTo(9),  upTo(9), upTo(9),  upTo(9)}},
        {'T', {upTo(11), upTo(25),              upTo(20), upTo(21), upTo(15), upTo(2), upTo(10), {0, 4, 5, 6, 7}}},
        {'P', {upTo(10), upTo(10),              upTo(15), upTo(11), upTo(29), upTo(11), upTo(12), upTo(6)}},
        // clang-format on
    };
    return sets;
}

// ---------------------------------------------------------------------------------------------
// Shapes. A shape is a repeat element along the edge: its length and, per pixel, 0 for an unlit
// pixel or the number (1, 2, ...) of the part of the element that the pixel belongs to. Parts
// let a design colour, say, the dash and the dot of a dash-dot differently.

struct Element
{
    int length;
    std::function<int(int x, int y)> part;
    // How far row y of a slanted or bent element is displaced along the edge, so that a stroke
    // that crosses into the next element keeps its element's colour.
    std::function<int(int y)> skew = [](int) { return 0; };
};

using Shape = std::function<Element(int h)>;

// Twice the distance of pixel i from the centre of a run of n pixels (integer, no rounding).
int offCentre2(int i, int n)
{
    return std::abs(2 * i + 1 - n);
}

// Whole-thickness runs, alternately lit and unlit, starting lit; lit run k is part k + 1. On
// borders of 5 pixels and more the runs are stretched to twice their length, so dashes keep their
// proportions instead of turning into thin bars.
Shape runs(std::vector<int> base, bool stretch = true)
{
    return [base, stretch](int h) {
        std::vector<int> lengths = base;
        int total = 0;
        for (int& l : lengths) {
            l *= (stretch && h >= 5) ? 2 : 1;
            total += l;
        }
        return Element{total, [lengths](int x, int) {
                           int start = 0;
                           for (size_t k = 0; k < lengths.size(); ++k) {
                               if (x < start + lengths[k])
                                   return k % 2 == 0 ? int(k / 2) + 1 : 0;
                               start += lengths[k];
                           }
                           return 0;
                       }};
    };
}

Shape solid()
{
    return runs({1});
}

// Round beads as large as the border is thick, gap pixels apart.
Shape beads(int gap)
{
    return [gap](int h) {
        return Element{h + gap, [h](int x, int y) {
                           if (x >= h)
                               return 0;
                           const int dx = offCentre2(x, h), dy = offCentre2(y, h);
                           return 5 * (dx * dx + dy * dy) <= 4 * h * h ? 1 : 0;
                       }};
    };
}

// Arrowheads pointing along the edge (forward) or against it; thick is the stroke width.
Shape chevrons(int thick, int gap, bool forward = true)
{
    return [=](int h) {
        const int length = thick + gap + (h - 1) / 2;
        auto skew = [=](int y) {
            const int bend = offCentre2(y, h) / 2;
            return forward ? bend : -bend;
        };
        return Element{
            length, [=](int x, int y) { return ((x + skew(y) + length) % length) < thick; }, skew};
    };
}

// Two arrowheads close together, then a longer gap.
Shape doubleChevrons(int gap)
{
    return [=](int h) {
        const int length = 5 + gap + (h - 1) / 2;
        auto skew = [=](int y) { return offCentre2(y, h) / 2; };
        return Element{length,
                       [=](int x, int y) {
                           const int u = (x + skew(y)) % length;
                           return u < 2 ? 1 : (u >= 3 && u < 5) ? 2 : 0;
                       },
                       skew};
    };
}

// Filled triangles (pennants) pointing along the edge.
Shape pennants(int gap)
{
    return [=](int h) {
        const int depth = (h + 1) / 2 + 1;
        return Element{depth + gap,
                       [=](int x, int y) { return x < depth - offCentre2(y, h) / 2 ? 1 : 0; }};
    };
}

// Diagonal stripes leaning forward (slope +1) or backward.
Shape slant(int thick, int gap, bool forward = true)
{
    return [=](int) {
        const int length = thick + gap;
        auto skew = [=](int y) { return forward ? y : -y; };
        return Element{length,
                       [=](int x, int y) { return ((x + skew(y) + 8 * length) % length) < thick; },
                       skew};
    };
}

// A checkerboard of square cells; with both set the dark cells are lit as part 2.
Shape checker(bool both)
{
    return [=](int h) {
        const int cell = std::max(1, h / 2);
        return Element{2 * cell, [=](int x, int y) {
                           const bool first = ((x / cell) + (y / cell)) % 2 == 0;
                           return first ? 1 : both ? 2 : 0;
                       }};
    };
}

// Row of the line of a zigzag that bounces between the two edges, at column x.
int zigzagRow(int x, int h)
{
    const int span = h - 1;
    const int u = x % (2 * span);
    return u <= span ? u : 2 * span - u;
}

// A thin line bouncing between the edges; on a one-pixel border it becomes a dotted line.
Shape zigzag()
{
    return [](int h) {
        if (h == 1)
            return Element{3, [](int x, int) { return x == 0 ? 1 : 0; }};
        return Element{2 * (h - 1), [h](int x, int y) { return zigzagRow(x, h) == y ? 1 : 0; }};
    };
}

// Two zigzags in opposite phase, crossing in the middle: parts 1 and 2.
Shape braid()
{
    return [](int h) {
        if (h == 1)
            return Element{4, [](int x, int) { return x == 0 ? 1 : x == 2 ? 2 : 0; }};
        return Element{2 * (h - 1), [h](int x, int y) {
                           if (zigzagRow(x, h) == y)
                               return 1;
                           return zigzagRow(x + h - 1, h) == y ? 2 : 0;
                       }};
    };
}

// A sine line across the thickness, drawn without holes between neighbouring columns.
Shape wave()
{
    return [](int h) {
        const int length = std::max(8, 4 * h);
        auto row = [=](int x) {
            const double s = std::sin(2 * M_PI * x / length);
            return int(std::lround((h - 1) * (1 - s) / 2));
        };
        return Element{length, [=](int x, int y) {
                           const int a = row(x), b = row(x + 1);
                           return y >= std::min(a, b) && y <= std::max(a, b) ? 1 : 0;
                       }};
    };
}

// Diamonds as tall as the border, filled or as outlines.
Shape diamonds(int gap, bool hollow = false)
{
    return [=](int h) {
        return Element{h + gap, [=](int x, int y) {
                           if (x >= h)
                               return 0;
                           const int d = offCentre2(x, h) + offCentre2(y, h);
                           if (d > h)
                               return 0;
                           return (!hollow || d > h - 2 || h < 5) ? 1 : 0;
                       }};
    };
}

// Square outlines as tall as the border.
Shape boxes(int gap)
{
    return [=](int h) {
        return Element{h + gap, [=](int x, int y) {
                           if (x >= h)
                               return 0;
                           return (x == 0 || y == 0 || x == h - 1 || y == h - 1) ? 1 : 0;
                       }};
    };
}

// Plus signs as tall as the border.
Shape crosses(int gap)
{
    return [=](int h) {
        return Element{h + gap, [=](int x, int y) {
                           if (x >= h)
                               return 0;
                           return (offCentre2(x, h) <= 1 || offCentre2(y, h) <= 1) ? 1 : 0;
                       }};
    };
}

// Rails along both edges (part 1) joined by ties every `every` pixels (part 2): a ladder.
Shape ladder(int every)
{
    return [=](int h) {
        return Element{every, [=](int x, int y) {
                           if (x == 0)
                               return 2;
                           return (y == 0 || y == h - 1) ? 1 : 0;
                       }};
    };
}

// A centre line (part 1) threaded with beads (part 2).
Shape necklace(int every)
{
    return [=](int h) {
        return Element{every, [=](int x, int y) {
                           const int bead = std::max(1, h / 2 + 1);
                           if (x < bead && offCentre2(x, bead) + offCentre2(y, h) <= bead + 1)
                               return 2;
                           return offCentre2(y, h) <= 1 ? 1 : 0;
                       }};
    };
}

// Saw teeth rising along the edge.
Shape teeth(int length)
{
    return [=](int h) {
        return Element{length, [=](int x, int y) {
                           const int rise = (x + 1) * h / length;
                           return (h - 1 - y) < rise ? 1 : 0;
                       }};
    };
}

// Courses of bricks with unlit joints; part = 1 + course number modulo 2.
Shape bricks()
{
    return [](int h) {
        const int course = h >= 4 ? h / 2 : h;
        return Element{8, [=](int x, int y) {
                           const int c = y / course;
                           if (h >= 4 && y % course == course - 1 && y != h - 1)
                               return 0;
                           if ((x + c * 4) % 8 == 7)
                               return 0;
                           return 1 + c % 2;
                       }};
    };
}

// A measuring scale: a base line (part 1) with ticks (part 2) of three lengths.
Shape ruler()
{
    return [](int h) {
        return Element{
            16, [=](int x, int y) {
                if (y == h - 1)
                    return 1;
                const int tick = x == 0 ? h : x == 8 ? (h + 1) / 2 : x % 4 == 0 ? (h + 3) / 4 : 0;
                return (h - 1 - y) < tick ? 2 : 0;
            }};
    };
}

// Lit density rising along the tile, by ordered dithering.
Shape ramp(int length)
{
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return [=](int) {
        return Element{length, [=](int x, int y) {
                           const int level = 16 * (x + 1) / length;
                           return bayer[y % 4][x % 4] < level ? 1 : 0;
                       }};
    };
}

// ---------------------------------------------------------------------------------------------
// Colouring.

enum class Paint {
    Parts, // part k takes palette colour k - 1
    Cycle, // each element steps to the next palette colour (and its parts to the ones after)
    Rows,  // colour by row across the thickness
    Sweep, // a rainbow runs once across the tile (multicolour only)
};

struct Design
{
    Shape shape;
    Paint paint;
    int offset = 0;   // first palette colour (hue in degrees for Sweep)
    int minWidth = 0; // shortest tile; 0 for the default
};

const std::vector<QRgb>& palette(char family)
{
    static const std::vector<QRgb> rainbow = {qRgb(255, 0, 0),   qRgb(255, 160, 0),
                                              qRgb(255, 255, 0), qRgb(0, 255, 0),
                                              qRgb(0, 160, 255), qRgb(200, 0, 255)};
    static const std::vector<QRgb> tricolour = {qRgb(255, 0, 0), qRgb(0, 255, 0),
                                                qRgb(255, 255, 0)};
    static const std::vector<QRgb> single = {qRgb(255, 255, 255)};
    return family == 'M' ? rainbow : family == 'T' ? tricolour : single;
}

const std::vector<Design>& catalogue(char family)
{
    static const std::vector<Design> multi = {
        {solid(), Paint::Sweep, 0, 48},   {runs({4}), Paint::Cycle},
        {runs({3, 1}), Paint::Cycle},     {beads(1), Paint::Cycle},
        {chevrons(2, 3), Paint::Sweep},   {runs({5, 2, 1, 2}, false), Paint::Cycle},
        {slant(2, 2), Paint::Sweep, 180}, {diamonds(2), Paint::Cycle},
        {pennants(3), Paint::Cycle, 3},
    };
    static const std::vector<Design> three = {
        {runs({4}), Paint::Cycle},
        {runs({3, 1}), Paint::Cycle},
        {runs({2, 2}), Paint::Cycle},
        {beads(3), Paint::Cycle},
        {runs({5, 2, 1, 2}), Paint::Parts},
        {runs({6, 2}), Paint::Cycle},
        {runs({1, 1}), Paint::Cycle},
        {runs({4, 1, 1, 1}), Paint::Parts, 2},
        {chevrons(2, 4), Paint::Cycle},
        {slant(3, 2), Paint::Cycle},
        {runs({3, 1, 1, 1, 1, 1}), Paint::Parts},
        {checker(true), Paint::Parts},
        {zigzag(), Paint::Cycle},
        {diamonds(1), Paint::Cycle},
        {ladder(4), Paint::Parts, 2},
        {wave(), Paint::Cycle, 1},
        {solid(), Paint::Rows},
        {boxes(1), Paint::Parts},
        {teeth(6), Paint::Cycle},
        {crosses(1), Paint::Parts, 2},
        {bricks(), Paint::Parts},
        {necklace(6), Paint::Parts, 1},
        {braid(), Paint::Parts, 2},
        {doubleChevrons(3), Paint::Parts},
        {pennants(5), Paint::Cycle},
    };
    static const std::vector<Design> mono = {
        {solid(), Paint::Parts},
        {runs({4, 4}), Paint::Parts},
        {runs({6, 2}), Paint::Parts},
        {runs({2, 2}), Paint::Parts},
        {beads(1), Paint::Parts},
        {runs({5, 2, 1, 2}), Paint::Parts},
        {runs({1, 3}), Paint::Parts},
        {runs({3, 1, 3, 3}), Paint::Parts},
        {runs({1, 1, 2, 1, 3, 1, 4, 3}), Paint::Parts},
        {chevrons(2, 3), Paint::Parts},
        {slant(2, 2), Paint::Parts},
        {checker(false), Paint::Parts},
        {zigzag(), Paint::Parts},
        {diamonds(2), Paint::Parts},
        {ladder(4), Paint::Parts},
        {wave(), Paint::Parts},
        {boxes(2), Paint::Parts},
        {teeth(8), Paint::Parts},
        {crosses(2), Paint::Parts},
        {bricks(), Paint::Parts},
        {ramp(32), Paint::Parts},
        {diamonds(1, true), Paint::Parts},
        {braid(), Paint::Parts},
        {doubleChevrons(4), Paint::Parts},
        {necklace(8), Paint::Parts},
        {ruler(), Paint::Parts},
        {chevrons(2, 3, false), Paint::Parts},
        {slant(1, 3, false), Paint::Parts},
        {pennants(3), Paint::Parts},
    };
    return family == 'M' ? multi : family == 'T' ? three : mono;
}

// ---------------------------------------------------------------------------------------------

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "bordergen: %s\n", qPrintable(message));
    std::exit(1);
}

QString patternName(char family, int h, int n)
{
    return QStringLiteral("%1%2_%3.bmp").arg(QChar::fromLatin1(family)).arg(h).arg(n);
}

QImage render(char family, int h, const Design& design)
{
    const Element element = design.shape(h);
    const std::vector<QRgb>& colours = palette(family);
    const int count = int(colours.size());
    if (design.paint == Paint::Sweep && family != 'M')
        fail(QStringLiteral("a rainbow sweep needs the multicolour family"));

    // A cycling design repeats only after it has stepped through the whole palette.
    const int repeat = element.length * (design.paint == Paint::Cycle ? count : 1);
    const int minWidth = design.minWidth ? design.minWidth : design.paint == Paint::Sweep ? 32 : 16;
    const int width = repeat * ((minWidth + repeat - 1) / repeat);

    QImage image(width, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < width; ++x) {
            const int part = element.part(x % element.length, y);
            QRgb rgb = qRgb(0, 0, 0);
            if (part > 0) {
                switch (design.paint) {
                case Paint::Parts:
                    rgb = colours[(part - 1 + design.offset) % count];
                    break;
                case Paint::Cycle: {
                    const int e = (x + element.skew(y) + width) / element.length;
                    rgb = colours[(e + part - 1 + design.offset) % count];
                    break;
                }
                case Paint::Rows:
                    rgb = colours[(y + part - 1 + design.offset) % count];
                    break;
                case Paint::Sweep:
                    rgb = QColor::fromHsv((design.offset + 360 * x / width) % 360, 255, 255).rgb();
                    break;
                }
            }
            image.setPixel(x, y, rgb);
        }
    }
    return image;
}

// The shortest repeat of a tile: the smallest p dividing the width with column x equal to column
// x + p everywhere.
QImage primitive(const QImage& tile)
{
    const int w = tile.width();
    for (int p = 1; p < w; ++p) {
        if (w % p)
            continue;
        bool repeats = true;
        for (int y = 0; y < tile.height() && repeats; ++y)
            for (int x = 0; x + p < w && repeats; ++x)
                repeats = tile.pixel(x, y) == tile.pixel(x + p, y);
        if (repeats)
            return tile.copy(0, 0, p, tile.height());
    }
    return tile;
}

// Whether two strips look the same on a sign, allowing for any shift along the edge.
bool sameStrip(const QImage& a, const QImage& b)
{
    const QImage pa = primitive(a), pb = primitive(b);
    if (pa.size() != pb.size())
        return false;
    const int w = pa.width();
    for (int shift = 0; shift < w; ++shift) {
        bool equal = true;
        for (int y = 0; y < pa.height() && equal; ++y)
            for (int x = 0; x < w && equal; ++x)
                equal = pa.pixel(x, y) == pb.pixel((x + shift) % w, y);
        if (equal)
            return true;
    }
    return false;
}

// The constraints the frame renderer and the colour families rely on.
void check(char family, int h, int n, const QImage& image)
{
    const QString name = patternName(family, h, n);
    if (image.width() > kMaxWidth)
        fail(QStringLiteral("%1 is %2 pixels long").arg(name).arg(image.width()));
    std::set<QRgb> lit;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) | qGreen(image.pixel(x, y)) | qBlue(image.pixel(x, y)))
                lit.insert(image.pixel(x, y));
    const int colours = int(lit.size());
    const bool ok = family == 'M'   ? colours > 3
                    : family == 'T' ? colours >= 1 && colours <= 3
                                    : colours == 1;
    if (!ok)
        fail(QStringLiteral("%1 uses %2 colours").arg(name).arg(colours));
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bordergen <output directory> <qrc file>\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString qrcPath = QString::fromLocal8Bit(argv[2]);
    QDir dir;
    if (!dir.mkpath(outDir))
        fail(QStringLiteral("cannot create %1").arg(outDir));
    // Patterns dropped from the table must not linger from an earlier run.
    QDir out(outDir);
    for (const QString& stale : out.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        out.remove(stale);

    const QDir qrcDir = QFileInfo(qrcPath).absoluteDir();
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    int written = 0;
    QStringList lookalikes;
    for (const FamilySet& set : familySets()) {
        const std::vector<Design>& designs = catalogue(set.letter);
        for (int h = 1; h <= kHeights; ++h) {
            std::vector<std::pair<int, QImage>> images;
            for (int n : set.numbers[h - 1]) {
                if (n >= int(designs.size()))
                    fail(QStringLiteral("no design %1 for family %2")
                             .arg(n)
                             .arg(QChar::fromLatin1(set.letter)));
                const QImage image = render(set.letter, h, designs[n]);
                check(set.letter, h, n, image);
                for (const auto& [m, other] : images)
                    if (sameStrip(image, other))
                        lookalikes << QStringLiteral("%1 looks like %2")
                                          .arg(patternName(set.letter, h, n),
                                               patternName(set.letter, h, m));
                images.emplace_back(n, image);

                const QString name = patternName(set.letter, h, n);
                const QString path = out.filePath(name);
                if (!image.save(path, "BMP"))
                    fail(QStringLiteral("cannot write %1").arg(path));
                qrc += "  <file alias=\"" + name.toUtf8() + "\">" +
                       qrcDir.relativeFilePath(path).toUtf8() + "</file>\n";
                ++written;
            }
        }
    }
    // Every pattern of one family and thickness must be told apart on the sign.
    if (!lookalikes.isEmpty())
        fail(lookalikes.join(QStringLiteral("\nbordergen: ")));
    qrc += "</qresource>\n</RCC>\n";
    if (!writeFile(qrcPath, qrc))
        fail(QStringLiteral("cannot write %1").arg(qrcPath));
    std::printf("bordergen: %d border patterns\n", written);
    return 0;
}
