#include "kgiffixture.h"
#include "kgifscaler.h"
#include "ktestmain.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using Ky::KImagePlugin::KGifScaler;
using Ky::Test::GifFrame;

namespace {

constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Left half one colour, right half another, with a transparent hole in the middle.
QImage Halves(const QSize& size, QRgb left, QRgb right, bool hole)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, size.width() / 2, size.height(), QColor::fromRgba(left));
    painter.fillRect(size.width() / 2, 0, size.width() - size.width() / 2, size.height(),
                     QColor::fromRgba(right));
    if (hole)
        painter.fillRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2,
                         Qt::transparent);
    return image;
}

} // namespace

class TestKGifScaler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scales_data();
    void scales();
    void otherDecodersAgree();
    void refusals_data();
    void refusals();
    void imageOutsideTheScreen();
    void noColourMap();
    void recordsWithoutContent();

private:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestKGifScaler::scales_data()
{
    QTest::addColumn<bool>("localMap");
    QTest::addColumn<bool>("interlaced");
    QTest::addColumn<bool>("hole");
    QTest::addColumn<bool>("subFrame"); // later frames cover only a part of the screen
    QTest::addColumn<QSize>("target");

    QTest::newRow("global map, down") << false << false << false << false << QSize(32, 16);
    QTest::newRow("global map, up, odd size") << false << false << false << false << QSize(97, 41);
    QTest::newRow("local maps") << true << false << false << false << QSize(40, 20);
    QTest::newRow("interlaced") << false << true << false << false << QSize(32, 16);
    QTest::newRow("transparent, global") << false << false << true << false << QSize(32, 16);
    QTest::newRow("transparent, local") << true << false << true << false << QSize(32, 16);
    QTest::newRow("partial frames") << false << false << false << true << QSize(128, 64);
    QTest::newRow("to a single pixel") << false << false << false << true << QSize(1, 1);
}

// The copy has the target size and every frame with its delay; colours stay where they were,
// transparent pixels stay transparent.
void TestKGifScaler::scales()
{
    QFETCH(bool, localMap);
    QFETCH(bool, interlaced);
    QFETCH(bool, hole);
    QFETCH(bool, subFrame);
    QFETCH(QSize, target);

    const QSize screen(64, 32);
    const QList<QPair<QRgb, QRgb>> colours = {{Red, Green}, {Green, Blue}, {Blue, Red}};
    QList<GifFrame> frames;
    for (int i = 0; i < colours.size(); ++i) {
        GifFrame frame;
        const bool part = subFrame && i > 0;
        frame.image =
            Halves(part ? QSize(16, 8) : screen, colours[i].first, colours[i].second, hole);
        frame.pos = part ? QPoint(8 * i, 4 * i) : QPoint();
        frame.delayMs = 100 * (i + 1);
        frame.localMap = localMap;
        frame.interlaced = interlaced;
        frames << frame;
    }
    const QString source = Path("source.gif");
    const QString copy = Path("copy.gif");
    QVERIFY(Ky::Test::WriteGif(source, screen, frames));
    QVERIFY(KGifScaler::Scale(source, copy, target));

    const Ky::Test::GifInfo in = Ky::Test::ReadGif(source);
    const Ky::Test::GifInfo out = Ky::Test::ReadGif(copy);
    QVERIFY(in.ok && out.ok);
    QCOMPARE(out.screen, target);
    QCOMPARE(out.frames, in.frames);
    QCOMPARE(out.delaysMs, in.delaysMs);
    for (int i = 0; i < out.frames; ++i) {
        QVERIFY(QRect(QPoint(), target).contains(out.rects[i]));
        // Each screen, scaled as the copy was, is what the copy shows (sampled away from
        // edges, where nearest sampling may pick either side).
        const QImage expected =
            in.canvases[i].scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (target.width() < 8)
            continue;
        for (const QPointF& at : {QPointF(0.1, 0.5), QPointF(0.9, 0.5), QPointF(0.35, 0.5),
                                  QPointF(0.65, 0.45), QPointF(0.1, 0.1), QPointF(0.9, 0.9)}) {
            const QPoint p(int(at.x() * (target.width() - 1)), int(at.y() * (target.height() - 1)));
            QCOMPARE(out.canvases[i].pixel(p), expected.pixel(p));
        }
    }
}

void TestKGifScaler::otherDecodersAgree()
{
    QList<GifFrame> frames = Ky::Test::SolidFrames(4, QSize(60, 30), 70);
    frames[1].localMap = true;
    frames[2].interlaced = true;
    const QString source = Path("four.gif");
    const QString copy = Path("four-small.gif");
    QVERIFY(Ky::Test::WriteGif(source, QSize(60, 30), frames));
    QVERIFY(KGifScaler::Scale(source, copy, QSize(25, 11)));

    QImageReader reader(copy);
    QCOMPARE(reader.imageCount(), 4);
    QCOMPARE(reader.size(), QSize(25, 11));

    const QString identify = QStandardPaths::findExecutable(QStringLiteral("identify"));
    if (identify.isEmpty())
        QSKIP("ImageMagick is not installed");
    QProcess magick;
    magick.start(identify, {QStringLiteral("-format"), QStringLiteral("%w %h %T\\n"), copy});
    QVERIFY(magick.waitForFinished(60000));
    QCOMPARE(magick.exitCode(), 0);
    const QStringList lines = QString::fromLatin1(magick.readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines, QStringList(4, QStringLiteral("25 11 7")));
}

void TestKGifScaler::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    const QString path = Path("good.gif");
    QVERIFY(Ky::Test::WriteGif(path, QSize(16, 8), Ky::Test::SolidFrames(3, QSize(16, 8), 50)));
    const QByteArray good = ReadAll(path);
    QByteArray huge = good;
    huge[6] = huge[7] = huge[8] = huge[9] = '\xff';
    QByteArray flipped = good;
    for (int i = 30; i < flipped.size(); i += 11)
        flipped[i] = char(flipped[i] ^ 0xa5);
    QImage png(4, 4, QImage::Format_ARGB32);
    png.fill(Red);
    QByteArray pngBytes;
    {
        QBuffer buffer(&pngBytes);
        buffer.open(QIODevice::WriteOnly);
        png.save(&buffer, "PNG");
    }

    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("zero bytes") << QByteArray() << true;
    QTest::newRow("garbage") << QByteArray(500, 'q') << true;
    QTest::newRow("header only") << good.left(13) << true;
    QTest::newRow("truncated") << good.left(good.size() - 20) << true;
    QTest::newRow("huge declared screen") << huge << true;
    QTest::newRow("bit flips") << flipped << true;
    QTest::newRow("a PNG") << pngBytes << true;
}

// Damaged sources fail cleanly and leave no half-written copy.
void TestKGifScaler::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    const QString source = Path("bad.gif");
    const QString copy = Path("bad-copy.gif");
    QFile::remove(source);
    QFile::remove(copy);
    if (exists)
        QVERIFY(WriteAll(source, bytes));
    const bool ok = KGifScaler::Scale(source, copy, QSize(8, 4));
    if (!ok) {
        QVERIFY(!QFile::exists(copy));
        return;
    }
    // Some bit flips still decode; then the copy must be a GIF that decodes.
    QVERIFY(Ky::Test::ReadGif(copy).ok);
}

void TestKGifScaler::imageOutsideTheScreen()
{
    const QString source = Path("outside.gif");
    QVERIFY(Ky::Test::WriteGif(source, QSize(16, 8), Ky::Test::SolidFrames(2, QSize(16, 8), 50)));
    QByteArray bytes = ReadAll(source);
    // Move the second image one pixel to the right, past the screen's edge.
    const int first = bytes.indexOf(QByteArray("\x21\xf9\x04", 3));
    const int second = bytes.indexOf(QByteArray("\x21\xf9\x04", 3), first + 1) + 8;
    QCOMPARE(bytes.at(second), '\x2c');
    bytes[second + 1] = 1;
    QVERIFY(WriteAll(source, bytes));
    QTest::ignoreMessage(QtDebugMsg, "Image 2 is not confined to screen dimension! ");
    QVERIFY(!KGifScaler::Scale(source, Path("outside-copy.gif"), QSize(8, 4)));
    QVERIFY(!QFile::exists(Path("outside-copy.gif")));

    QVERIFY(!KGifScaler::Scale(QString(), Path("x.gif"), QSize(8, 4)));
    QVERIFY(!KGifScaler::Scale(source, QString(), QSize(8, 4)));
    QVERIFY(!KGifScaler::Scale(source, Path("y.gif"), QSize(0, 4)));
    QTest::ignoreMessage(QtDebugMsg, "Open File Error");
    QVERIFY(!KGifScaler::Scale(source, Path("no/such/dir/z.gif"), QSize(8, 4)));
}

void TestKGifScaler::noColourMap()
{
    // A good GIF whose global map is cut out: its image then has no map at all.
    const QString source = Path("nomap.gif");
    QVERIFY(Ky::Test::WriteGif(source, QSize(4, 2), Ky::Test::SolidFrames(1, QSize(4, 2), 50)));
    QByteArray bytes = ReadAll(source);
    const int mapBytes = 3 << ((bytes.at(10) & 7) + 1);
    bytes[10] = char(bytes.at(10) & 0x7f);
    bytes.remove(13, mapBytes);
    QVERIFY(WriteAll(source, bytes));
    QTest::ignoreMessage(QtDebugMsg, "ColorMap is NULL");
    QVERIFY(!KGifScaler::Scale(source, Path("nomap-copy.gif"), QSize(2, 1)));
    QVERIFY(!QFile::exists(Path("nomap-copy.gif")));
}

// A file without images is no picture; an extension without data is left out, since giflib's
// whole-file reader cannot read past one.
void TestKGifScaler::recordsWithoutContent()
{
    const QString source = Path("records.gif");
    QVERIFY(Ky::Test::WriteGif(source, QSize(8, 4), Ky::Test::SolidFrames(2, QSize(8, 4), 50)));
    QByteArray bytes = ReadAll(source);
    const int firstImage = bytes.indexOf(QByteArray("\x21\xf9\x04", 3));
    QByteArray empty = bytes;
    empty.insert(firstImage, QByteArray("\x21\x01\x00", 3));
    QVERIFY(WriteAll(source, empty));
    QVERIFY(KGifScaler::Scale(source, Path("records-copy.gif"), QSize(4, 2)));
    const Ky::Test::GifInfo copy = Ky::Test::ReadGif(Path("records-copy.gif"));
    QVERIFY(copy.ok);
    QCOMPARE(copy.frames, 2);

    QByteArray none = bytes.left(firstImage);
    none.append(';');
    QVERIFY(WriteAll(source, none));
    QVERIFY(!KGifScaler::Scale(source, Path("none-copy.gif"), QSize(4, 2)));
    QVERIFY(!QFile::exists(Path("none-copy.gif")));
}

KESTROVA_TEST_MAIN(TestKGifScaler)
#include "tst_kgifscaler.moc"
