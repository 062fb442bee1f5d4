#include "ktestmain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <numeric>
#include <set>

// The border pattern bitmaps that corelib carries as resources: which exist, and that each is
// a strip the frame renderer can tile and tint.

namespace {

QList<int> upTo(int count)
{
    QList<int> numbers;
    for (int n = 0; n < count; ++n)
        numbers << n;
    return numbers;
}

struct FamilyRow
{
    char family;
    QList<int> numbers[8]; // per thickness 1..8
};

// The pattern numbers the program offers per family and thickness.
const QList<FamilyRow>& expectedSets()
{
    static const QList<FamilyRow> rows = {
        // clang-format off
        {'M', {upTo(9),  {0, 1, 2, 5, 6, 7, 8}, upTo(9),  upTo(9),  upTo(9),  upTo(9), upTo(9),  upTo(9)}},
        {'T', {upTo(11), upTo(25),              upTo(20), upTo(21), upTo(15), upTo(2), upTo(10), {0, 4, 5, 6, 7}}},
        {'P', {upTo(10), upTo(10),              upTo(15), upTo(11), upTo(29), upTo(11), upTo(12), upTo(6)}},
        // clang-format on
    };
    return rows;
}

QString resourcePath(QChar family, int height, int n)
{
    return QStringLiteral(":/images/%1%2_%3.bmp").arg(family).arg(height).arg(n);
}

void addFamilyHeightRows()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("numbers");
    for (const FamilyRow& row : expectedSets())
        for (int h = 1; h <= 8; ++h)
            QTest::addRow("%c%d", row.family, h)
                << QChar::fromLatin1(row.family) << h << row.numbers[h - 1];
}

std::set<QRgb> litColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0)
                colours.insert(image.pixel(x, y) | 0xff000000);
    return colours;
}

// Whether column x of a equals column (x + shift) of b for every x, both tiled endlessly.
bool sameWhenTiled(const QImage& a, const QImage& b, int shift)
{
    const int span = std::lcm(a.width(), b.width());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < span; ++x)
            if (a.pixel(x % a.width(), y) != b.pixel((x + shift) % b.width(), y))
                return false;
    return true;
}

// The shortest piece of a strip that repeats to the whole strip.
QImage shortestRepeat(const QImage& strip)
{
    for (int p = 1; p < strip.width(); ++p) {
        if (strip.width() % p == 0 && sameWhenTiled(strip, strip, p))
            return strip.copy(0, 0, p, strip.height());
    }
    return strip;
}

// Two strips look alike on a sign when one, tiled, is the other tiled and shifted along the edge.
bool lookAlike(const QImage& a, const QImage& b)
{
    const QImage ra = shortestRepeat(a), rb = shortestRepeat(b);
    if (ra.size() != rb.size())
        return false;
    for (int shift = 0; shift < rb.width(); ++shift)
        if (sameWhenTiled(ra, rb, shift))
            return true;
    return false;
}

} // namespace

class TestBorderPatterns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resourcesMatchTheTable_data();
    void resourcesMatchTheTable();
    void noOtherPatternResources();
    void imagesAreStripsOfTheirThickness_data();
    void imagesAreStripsOfTheirThickness();
    void threeColourFamilySharesThreeColours();
    void patternsOfOneThicknessDiffer_data();
    void patternsOfOneThicknessDiffer();
};

void TestBorderPatterns::resourcesMatchTheTable_data()
{
    addFamilyHeightRows();
}

void TestBorderPatterns::resourcesMatchTheTable()
{
    QFETCH(QChar, family);
    QFETCH(int, height);
    QFETCH(QList<int>, numbers);
    for (int n = 0; n < 30; ++n) {
        const QString path = resourcePath(family, height, n);
        QVERIFY2(QFile::exists(path) == numbers.contains(n),
                 qPrintable(path + (numbers.contains(n) ? QStringLiteral(" is missing")
                                                        : QStringLiteral(" must not exist"))));
    }
}

void TestBorderPatterns::noOtherPatternResources()
{
    QVERIFY(QDir(QStringLiteral(":/images")).exists());
    // Anything that looks like a pattern name is looked up by the pattern lists, so it must be
    // one of the table's entries: no thickness 0 or 9, no pattern 30, no other family letter.
    const QRegularExpression patternName(QStringLiteral("^([A-Z])(\\d+)_(\\d+)\\.bmp$"));
    int matched = 0;
    for (const QString& name : QDir(QStringLiteral(":/images")).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = patternName.match(name);
        if (!m.hasMatch())
            continue;
        ++matched;
        const QChar family = m.captured(1).at(0);
        const int height = m.captured(2).toInt();
        const int n = m.captured(3).toInt();
        bool expected = false;
        for (const FamilyRow& row : expectedSets())
            if (family == QLatin1Char(row.family) && height >= 1 && height <= 8)
                // Also refuses spellings such as "M01_0.bmp" that the lists never ask for.
                expected = row.numbers[height - 1].contains(n) &&
                           QStringLiteral(":/images/") + name == resourcePath(family, height, n);
        QVERIFY2(expected, qPrintable(name));
    }
    QVERIFY(matched > 0);
}

void TestBorderPatterns::imagesAreStripsOfTheirThickness_data()
{
    addFamilyHeightRows();
}

void TestBorderPatterns::imagesAreStripsOfTheirThickness()
{
    QFETCH(QChar, family);
    QFETCH(int, height);
    QFETCH(QList<int>, numbers);
    for (int n : numbers) {
        const QString path = resourcePath(family, height, n);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.height(), height);
        // One repeat along the edge: long enough to read as a pattern, short enough to tile.
        QVERIFY2(image.width() >= 16 && image.width() <= 64, qPrintable(path));

        // Unlit pixels are pure black; everything else counts as a colour of the pattern.
        const std::set<QRgb> colours = litColours(image);
        QVERIFY2(!colours.empty(), qPrintable(path + QStringLiteral(" is dark")));
        if (family == QLatin1Char('M')) {
            QVERIFY2(colours.size() > 3, qPrintable(path));
        } else if (family == QLatin1Char('T')) {
            QVERIFY2(colours.size() <= 3, qPrintable(path));
        } else {
            // The renderer tints single-colour patterns, so they are full-intensity white.
            QCOMPARE(colours.size(), size_t(1));
            QCOMPARE(*colours.begin(), qRgb(255, 255, 255));
        }
    }
}

void TestBorderPatterns::threeColourFamilySharesThreeColours()
{
    // A three-colour module shows the same three colours in every pattern, not three per pattern.
    std::set<QRgb> all;
    for (const FamilyRow& row : expectedSets()) {
        if (row.family != 'T')
            continue;
        for (int h = 1; h <= 8; ++h)
            for (int n : row.numbers[h - 1]) {
                const std::set<QRgb> colours =
                    litColours(QImage(resourcePath(QLatin1Char('T'), h, n)));
                all.insert(colours.begin(), colours.end());
            }
    }
    QCOMPARE(all.size(), size_t(3));
}

void TestBorderPatterns::patternsOfOneThicknessDiffer_data()
{
    addFamilyHeightRows();
}

void TestBorderPatterns::patternsOfOneThicknessDiffer()
{
    QFETCH(QChar, family);
    QFETCH(int, height);
    QFETCH(QList<int>, numbers);
    QList<QImage> images;
    for (int n : numbers)
        images << QImage(resourcePath(family, height, n));
    for (int i = 0; i < images.size(); ++i) {
        QVERIFY(!images[i].isNull());
        for (int j = 0; j < i; ++j)
            QVERIFY2(!lookAlike(images[i], images[j]),
                     qPrintable(QStringLiteral("%1 looks like %2")
                                    .arg(resourcePath(family, height, numbers[i]),
                                         resourcePath(family, height, numbers[j]))));
    }
}

KESTROVA_TEST_MAIN(TestBorderPatterns)
#include "tst_borderpatterns.moc"
