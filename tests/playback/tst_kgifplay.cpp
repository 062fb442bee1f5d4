#include "kcolorconvert.h"
#include "kgiffixture.h"
#include "kgifplay.h"
#include "krenderevent.h"
#include "krendereventlog.h"
#include "ktestmain.h"
#include "pictureplayer.h"
#include "scenerender.h"

#include <QFile>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Ky;
using Ky::Test::GifFrame;

namespace {

using Event = QPair<quint32, int>;

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF00FF00;

using EventSink = Ky::Test::RenderEventLog;

SessionParameter Parameter(const QString& file, quint32 area, const QSize& place, int display,
                           int clear, int holdMs)
{
    SessionParameter p;
    p.file = file;
    p.area = area;
    p.width = place.width();
    p.height = place.height();
    p.effect[0] = quint32(display);
    p.effect[1] = display ? 200 : 0;
    p.effect[2] = quint32(clear);
    p.effect[3] = (clear && clear != 20) ? 200 : 0;
    p.effect[5] = quint32(holdMs);
    return p;
}

} // namespace

class TestKGifPlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void missingFileCreatesNothing();
    void whoEndsTheLoop_data();
    void whoEndsTheLoop();
    void pauseAndStop();
    void transparentPixels_data();
    void transparentPixels();
    void finishedPicturesInOrder();
    void damagedFilesAreHarmless_data();
    void damagedFilesAreHarmless();
    void pictureplayerShowsHandedImages();
    void colourWords_data();
    void colourWords();
    void rgb888Conversion();

private:
    QString Gif(const QString& name, const QList<GifFrame>& frames, const QSize& size);
    QString Png(const QString& name, const QImage& image);
    QList<Event> TakeEvents();
    quint32 Area(quint32 background = 0);

    QTemporaryDir m_dir;
    EventSink m_sink;
    quint32 m_area = 0;
};

void TestKGifPlay::init()
{
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&m_sink, 64, 32, 40));
    m_area = Area();
    m_sink.events.clear();
}

void TestKGifPlay::cleanup()
{
    DestroyRenderer();
    QCoreApplication::sendPostedEvents(&m_sink);
    m_sink.events.clear();
}

quint32 TestKGifPlay::Area(quint32 background)
{
    const quint32 handle = CreateAreaSession(0, 0, 64, 32, 255, -1, background, 0, 0, 0, 0, 0);
    return RegisterAreaSession(handle);
}

QString TestKGifPlay::Gif(const QString& name, const QList<GifFrame>& frames, const QSize& size)
{
    const QString path = m_dir.filePath(name);
    if (!Ky::Test::WriteGif(path, size, frames))
        return QString();
    return path;
}

QString TestKGifPlay::Png(const QString& name, const QImage& image)
{
    const QString path = m_dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

QList<Event> TestKGifPlay::TakeEvents()
{
    QCoreApplication::sendPostedEvents(&m_sink);
    QList<Event> events;
    events.swap(m_sink.events);
    return events;
}

void TestKGifPlay::missingFileCreatesNothing()
{
    KGifPlay play;
    const SessionParameter p = Parameter(m_dir.filePath("none.gif"), m_area, {64, 32}, 0, 0, 0);
    play.Init(&p);
    play.Start();
    QCOMPARE(play.GetRenderState(), RENDER_FILE_MISSING);
    QCOMPARE(play.GetSession(), 0u);
    QVERIFY(!play.IsRunning());
}

void TestKGifPlay::whoEndsTheLoop_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("delay");
    QTest::addColumn<bool>("still"); // a PNG instead of a GIF
    QTest::addColumn<int>("display");
    QTest::addColumn<int>("clear");
    QTest::addColumn<int>("state");

    QTest::newRow("3 x 2000 ms, no effects") << 3 << 2000 << false << 0 << 0 << 1;
    QTest::newRow("3 x 2000 ms, don't clear") << 3 << 2000 << false << 0 << 20 << 1;
    QTest::newRow("3 x 2000 ms, display effect") << 3 << 2000 << false << 1 << 0 << 0;
    QTest::newRow("3 x 2000 ms, clear effect") << 3 << 2000 << false << 0 << 5 << 0;
    QTest::newRow("loop of exactly 5000 ms") << 2 << 2500 << false << 0 << 0 << 0;
    QTest::newRow("one frame of 6000 ms") << 1 << 6000 << false << 0 << 0 << 1;
    QTest::newRow("one frame of 4000 ms") << 1 << 4000 << false << 0 << 0 << 0;
    QTest::newRow("still picture") << 1 << 0 << true << 0 << 0 << 0;
}

// The engine reports the end of every loop exactly when the session's timing does not end the
// picture; the two never both end it.
void TestKGifPlay::whoEndsTheLoop()
{
    QFETCH(int, frames);
    QFETCH(int, delay);
    QFETCH(bool, still);
    QFETCH(int, display);
    QFETCH(int, clear);
    QFETCH(int, state);

    QImage red(16, 8, QImage::Format_ARGB32);
    red.fill(Red);
    const QString file =
        still ? Png("still.png", red)
              : Gif("anim.gif", Ky::Test::SolidFrames(frames, {16, 8}, delay), {16, 8});
    QVERIFY(!file.isEmpty());

    KGifPlay play;
    QSignalSpy shown(&play, &KGifPlay::FrameShown);
    const SessionParameter p = Parameter(file, m_area, {64, 32}, display, clear, 100);
    play.Init(&p);
    QCOMPARE(play.FrameCount(), frames);
    QCOMPARE(play.LoopDuration(), frames * delay);
    QCOMPARE(play.PictureSize(), QSize(16, 8));
    play.Start();
    QCOMPARE(int(play.GetRenderState()), state);
    QVERIFY(play.GetSession() != 0);

    // Two loops, frame by frame; each report comes when the last frame of a loop has had its
    // time, that is at the step after it. A single frame is shown once.
    const bool engine = state == RENDER_BY_ENGINE;
    const bool single = frames < 2;
    const int steps = single ? 2 : 2 * frames + 1;
    QList<int> reportsAfter;
    for (int i = 0; i < steps; ++i) {
        play.StepFrame();
        if (!TakeEvents().isEmpty())
            reportsAfter << i + 1;
    }
    QList<int> expected;
    if (engine)
        expected = single ? QList<int>{2} : QList<int>{frames + 1, 2 * frames + 1};
    QCOMPARE(reportsAfter, expected);
    QCOMPARE(shown.size(), single ? 1 : steps);
    QCOMPARE(play.IsRunning(), !single);

    // The session's own timing: with the engine in charge the picture holds until removed;
    // otherwise the hold of 100 ms ends it.
    StepRenderer(1000);
    StepRenderer(1000);
    const QList<Event> events = TakeEvents();
    if (engine)
        QVERIFY2(events.isEmpty(), "the session ended a picture the engine reports itself");
    else
        QVERIFY(events.contains(Event(m_area, 0)));
}

void TestKGifPlay::pauseAndStop()
{
    const QString file = Gif("anim.gif", Ky::Test::SolidFrames(3, {16, 8}, 2000), {16, 8});
    KGifPlay play;
    const SessionParameter p = Parameter(file, m_area, {64, 32}, 0, 0, 100);
    play.Init(&p);
    play.Start();
    QVERIFY(play.IsRunning());
    play.Pause();
    QVERIFY(!play.IsRunning());
    play.Pause();
    QVERIFY(play.IsRunning());

    const quint32 session = play.GetSession();
    int phase = 0;
    QVERIFY(GetPictureSessionState(m_area, session, &phase, nullptr));
    play.Stop();
    QCOMPARE(play.GetSession(), 0u);
    QVERIFY(!play.IsRunning());
    QVERIFY(!GetPictureSessionState(m_area, session, &phase, nullptr));
    // Starting again builds a new session on the same file.
    play.Start();
    QVERIFY(play.GetSession() != 0);

    // A one-frame picture the engine reported once: pausing and resuming shows it again
    // neither on screen nor to the play manager.
    const QString still = Gif("still.gif", Ky::Test::SolidFrames(1, {16, 8}, 6000), {16, 8});
    KGifPlay once;
    const SessionParameter q = Parameter(still, m_area, {64, 32}, 0, 0, 100);
    once.Init(&q);
    once.Start();
    once.StepFrame();
    QVERIFY(TakeEvents().isEmpty()); // shown, not yet over
    once.StepFrame();
    QCOMPARE(TakeEvents().size(), 1);
    once.Pause();
    once.Pause();
    QVERIFY(!once.IsRunning());
    QTest::qWait(20);
    QVERIFY(TakeEvents().isEmpty());
}

void TestKGifPlay::transparentPixels_data()
{
    QTest::addColumn<int>("alphaBlend");
    QTest::addColumn<QRgb>("expected");
    QTest::newRow("alphaBlend 0: black") << 0 << Black;
    QTest::newRow("alphaBlend 1: see-through") << 1 << Blue;
}

void TestKGifPlay::transparentPixels()
{
    QFETCH(int, alphaBlend);
    QFETCH(QRgb, expected);
    // Left half red, right half fully transparent, over an area painted blue.
    QImage image(64, 32, QImage::Format_ARGB32);
    image.fill(0);
    QPainter(&image).fillRect(0, 0, 32, 32, QColor::fromRgba(Red));
    for (const QString& file :
         {Png("half.png", image),
          Gif("half.gif", {GifFrame{image, 100, {}, false, false}}, {64, 32})}) {
        const quint32 area = Area(Blue);
        KGifPlay play;
        SessionParameter p = Parameter(file, area, {64, 32}, 0, 0, 100000);
        p.alphaBlend = quint8(alphaBlend);
        play.Init(&p);
        play.Start();
        play.StepFrame();
        QVERIFY(StepRenderer(0));
        const QImage frame = CaptureRenderFrame();
        QCOMPARE(frame.pixel(8, 8), Red);
        QCOMPARE(frame.pixel(48, 8), expected);
        play.Stop();
        UnRegisterAreaSession(area);
    }
}

// Three pictures queued in one area come to an end one after another, each reported with its
// place in the area's order.
void TestKGifPlay::finishedPicturesInOrder()
{
    QImage red(16, 8, QImage::Format_ARGB32);
    red.fill(Red);
    const QString still = Png("red.png", red);
    const QString anim = Gif("anim.gif", Ky::Test::SolidFrames(2, {16, 8}, 100), {16, 8});

    KGifPlay first;
    KGifPlay second;
    pictureplayer third(nullptr);
    const SessionParameter a = Parameter(still, m_area, {64, 32}, 0, 0, 300);
    const SessionParameter b = Parameter(anim, m_area, {64, 32}, 5, 6, 300);
    const SessionParameter c = Parameter(QString(), m_area, {64, 32}, 0, 0, 300);
    first.Init(&a);
    first.Start();
    second.Init(&b);
    second.Start();
    third.Init(&c);
    third.UpdateImage(red);
    QCOMPARE(first.GetRenderState(), RENDER_BY_SESSION);
    QCOMPARE(second.GetRenderState(), RENDER_BY_SESSION);

    QList<Event> events;
    for (int i = 0; i < 100 && events.size() < 4; ++i) {
        StepRenderer(50);
        events += TakeEvents();
    }
    const QList<Event> expected = {{m_area, 0}, {m_area, 1}, {m_area, 2}};
    QCOMPARE(events.mid(0, 3), expected);
}

void TestKGifPlay::damagedFilesAreHarmless_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray good;
    {
        const QString path = m_dir.filePath("good.gif");
        QVERIFY(Ky::Test::WriteGif(path, {16, 8}, Ky::Test::SolidFrames(3, {16, 8}, 100)));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        good = file.readAll();
    }
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray(777, '\x5a');
    QTest::newRow("header only") << good.left(13);
    QTest::newRow("truncated in a frame") << good.left(good.size() / 2);
    QByteArray huge = good;
    huge[6] = huge[7] = huge[8] = huge[9] = '\xff'; // a 65535 x 65535 screen
    QTest::newRow("huge declared size") << huge;
    QByteArray flipped = good;
    for (int i = 20; i < flipped.size(); i += 7)
        flipped[i] = char(flipped[i] ^ 0x5a);
    QTest::newRow("bit flips") << flipped;
}

void TestKGifPlay::damagedFilesAreHarmless()
{
    QFETCH(QByteArray, bytes);
    const QString path = m_dir.filePath("damaged.gif");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();

    KGifPlay play;
    const SessionParameter p = Parameter(path, m_area, {64, 32}, 0, 0, 100);
    play.Init(&p);
    QVERIFY(play.FrameCount() <= 3);
    play.Start();
    // The file is there, so the picture takes its turn in the area, showing what decodes.
    QVERIFY(play.GetRenderState() != RENDER_FILE_MISSING);
    QVERIFY(play.GetSession() != 0);
    for (int i = 0; i < 8; ++i)
        play.StepFrame();
    StepRenderer(500);
    QVERIFY(TakeEvents().contains(Event(m_area, 0)));
}

void TestKGifPlay::pictureplayerShowsHandedImages()
{
    QImage quadrants(40, 20, QImage::Format_ARGB32);
    {
        QPainter painter(&quadrants);
        painter.fillRect(0, 0, 20, 10, QColor::fromRgba(Red));
        painter.fillRect(20, 0, 20, 10, QColor::fromRgba(Blue));
        painter.fillRect(0, 10, 40, 10, QColor::fromRgba(Green));
    }
    pictureplayer player(this);
    SessionParameter p = Parameter(QString(), m_area, {40, 20}, 0, 0, int(SceneHoldForever));
    p.x = 4;
    p.y = 2;

    // Only the given part of the picture is shown, stretched to the place, and only once.
    player.SetOtherRGBStreamSize(QSize(20, 10));
    player.Init(&p);
    StepRenderer(0);
    QCOMPARE(CaptureRenderFrame().pixel(10, 8), Black); // a transparent picture at first
    player.UpdateImage(quadrants);
    StepRenderer(0);
    QCOMPARE(CaptureRenderFrame().pixel(40, 18), Red);

    player.Init(&p);
    player.UpdateImage(quadrants);
    StepRenderer(0);
    QCOMPARE(CaptureRenderFrame().pixel(40, 18), Green);
    QCOMPARE(CaptureRenderFrame().pixel(40, 4), Blue);

    // A file is stretched to the place; a missing one changes nothing.
    QImage small(4, 2, QImage::Format_RGB32); // not 32-bit ARGB: converted on the way
    small.fill(Red);
    player.UpdateImage(Png("small.png", small));
    QCOMPARE(player.image().size(), QSize(40, 20));
    player.UpdateImage(m_dir.filePath("missing.png"));
    QCOMPARE(player.image().size(), QSize(40, 20));
    StepRenderer(0);
    QCOMPARE(CaptureRenderFrame().pixel(40, 18), Red);

    const quint32 session = player.GetSession();
    player.Stop();
    QCOMPARE(player.GetSession(), 0u);
    QVERIFY(!GetPictureSessionState(m_area, session, nullptr, nullptr));
}

void TestKGifPlay::colourWords_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<quint32>("abgr");
    QTest::addColumn<quint32>("bgr");
    QTest::newRow("red") << QColor(255, 0, 0, 255) << 0xFF0000FFu << 0x0000FFu;
    QTest::newRow("blue, half alpha") << QColor(0, 0, 255, 128) << 0x80FF0000u << 0xFF0000u;
    QTest::newRow("mixed") << QColor(0x12, 0x34, 0x56, 0x78) << 0x78563412u << 0x563412u;
}

void TestKGifPlay::colourWords()
{
    QFETCH(QColor, colour);
    QFETCH(quint32, abgr);
    QFETCH(quint32, bgr);
    QCOMPARE(QColor_TO_ABGR(colour), abgr);
    QCOMPARE(QColor_TO_BGR(colour), bgr);
    QCOMPARE(ABGR_TO_QColor(abgr), colour);
    QColor opaque = colour;
    opaque.setAlpha(255);
    QCOMPARE(BGR_TO_QColor(bgr | 0x7F000000u), opaque); // the top byte plays no part
}

void TestKGifPlay::rgb888Conversion()
{
    // Three pixels: opaque red, half-transparent green, fully transparent white.
    const quint32 source[3] = {0xFFFF0000u, 0x8000FF00u, 0x00FFFFFFu};
    uchar out[2 * 12];
    std::fill(std::begin(out), std::end(out), uchar(0xEE));
    const uchar* bytes = reinterpret_cast<const uchar*>(source);
    Convert_ARGB32_TO_RGB888(out, bytes, 3, 1, 12);
    const uchar expected[9] = {255, 0, 0, 0, 255, 0, 0, 0, 0};
    QCOMPARE(QByteArray(reinterpret_cast<char*>(out), 9),
             QByteArray(reinterpret_cast<const char*>(expected), 9));
    QCOMPARE(out[9], uchar(0xEE)); // the stride's padding is left alone

    Convert_ARGB32_TO_RGB888(nullptr, bytes, 3, 1, 12);
    Convert_ARGB32_TO_RGB888(out, nullptr, 3, 1, 12);
    Convert_ARGB32_TO_RGB888(out + 12, bytes, 3, 0, 12);
    QCOMPARE(out[12], uchar(0xEE));

    QVERIFY(Convert_Image_ARGB32_TO_RGB888(QImage()).isNull());
    // Odd width, so 24-bit rows are padded; and a source in another format.
    QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    image.setPixel(0, 0, 0xFF102030u);
    image.setPixel(2, 1, 0xFF405060u);
    const QImage rgb = Convert_Image_ARGB32_TO_RGB888(image);
    QCOMPARE(rgb.format(), QImage::Format_RGB888);
    QCOMPARE(rgb.size(), QSize(3, 2));
    QCOMPARE(rgb.pixel(0, 0), 0xFF102030u);
    QCOMPARE(rgb.pixel(2, 1), 0xFF405060u);
    QCOMPARE(rgb.pixel(1, 0), Black);
}

KESTROVA_TEST_MAIN(TestKGifPlay)
#include "tst_kgifplay.moc"
