#include "krenderevent.h"
#include "krendereventlog.h"
#include "krenderview.h"
#include "ktestmain.h"
#include "scenerender.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <atomic>
#include <thread>

using namespace Ky;

namespace {

using Event = QPair<quint32, int>;
using Record = std::array<quint32, 6>;

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Yellow = 0xFFFFFF00;

using EventSink = Ky::Test::RenderEventLog;

Record record(int display, int displayMs, int clear, int clearMs, quint32 hold)
{
    return {quint32(display), quint32(displayMs), quint32(clear), quint32(clearMs), 0, hold};
}

// Red, blue / green, white quadrants: where a part of the picture lands tells moves from covers.
QImage quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, w / 2, h / 2, QColor::fromRgba(Red));
    painter.fillRect(w / 2, 0, w - w / 2, h / 2, QColor::fromRgba(Blue));
    painter.fillRect(0, h / 2, w / 2, h - h / 2, QColor::fromRgba(Green));
    painter.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor::fromRgba(White));
    return image;
}

QImage solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

quint32 texture(const QImage& image)
{
    const quint32 handle = CreateTexture(image.width(), image.height());
    UpdateTextureData(handle, image.constBits(), image.width(), image.height());
    return handle;
}

quint32 session(quint32 tex, const QRect& place, const QSize& source, const Record& effect)
{
    const qint32 rects[8] = {place.x(), place.y(), place.width(), place.height(),
                             0, 0, source.width(), source.height()};
    return CreatePictureSession(2, &tex, 4, effect.data(), rects, 0);
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

double litShare(const QImage& frame, const QRect& rect)
{
    int lit = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            lit += frame.pixel(x, y) != Black;
    return double(lit) / double(rect.width() * rect.height());
}

} // namespace

class TestSceneRender : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void immediateShowsAtOnce();
    void effectsHalfway_data();
    void effectsHalfway();
    void gradualChangeBlends();
    void fillTypes_data();
    void fillTypes();
    void areasClipAndStack();
    void areaAndPictureAlpha();
    void focusOutline();
    void pauseFreezesEffectsAndHold();
    void stopStartsOver();
    void finishedPicturesInOrder();
    void holdForeverHoldsUntilRemoved();
    void dontClearKeepsPicture();
    void randomPicksRealEffects();
    void effectUpdatesActOnRunningPicture();
    void textureAndSurfaceUploads();
    void uploadsFromAnotherThread();
    void effectDurations();
    void deviceAndResize();
    void badInputIsHarmless();
    void frameClockAndView();
    void saveThreeAreaPreview();

private:
    // A registered area; returns its id.
    quint32 area(const QRect& rect, int alpha = 255, int layer = -1, quint32 background = 0);
    // A picture of image on the whole area rect size, added to the area.
    quint32 play(quint32 areaId, const QImage& image, const QSize& place, const Record& effect);
    QList<Event> takeEvents();

    EventSink m_sink;
};

void TestSceneRender::init()
{
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&m_sink, 200, 100, 40));
    m_sink.events.clear();
}

void TestSceneRender::cleanup()
{
    DestroyRenderer();
    QCoreApplication::sendPostedEvents(&m_sink, KRenderEvent::eventType());
    m_sink.events.clear();
}

quint32 TestSceneRender::area(const QRect& rect, int alpha, int layer, quint32 background)
{
    const quint32 handle = CreateAreaSession(rect.x(), rect.y(), rect.width(), rect.height(),
                                             alpha, layer, background, 0, 0, 0, 0, 0);
    return RegisterAreaSession(handle);
}

quint32 TestSceneRender::play(quint32 areaId, const QImage& image, const QSize& place,
                              const Record& effect)
{
    const quint32 picture =
        session(texture(image), QRect(QPoint(0, 0), place), image.size(), effect);
    if (!AddPictureSession(areaId, picture, 0))
        return 0;
    return picture;
}

QList<Event> TestSceneRender::takeEvents()
{
    QCoreApplication::sendPostedEvents(&m_sink, KRenderEvent::eventType());
    return std::exchange(m_sink.events, {});
}

void TestSceneRender::immediateShowsAtOnce()
{
    const quint32 id = area(QRect(20, 10, 100, 50));
    QVERIFY(id);
    QVERIFY(play(id, solid(100, 50, Red), {100, 50}, record(0, 0, 0, 0, 1000)));
    QVERIFY(StepRenderer(0));
    const QImage frame = CaptureRenderFrame();
    QCOMPARE(frame.size(), QSize(200, 100));
    QCOMPARE(litShare(frame, QRect(20, 10, 100, 50)), 1.0);
    QCOMPARE(frame.pixel(20, 10), Red);
    QCOMPARE(frame.pixel(119, 59), Red);
    QCOMPARE(frame.pixel(19, 10), Black);
    QCOMPARE(frame.pixel(120, 60), Black);
}

void TestSceneRender::effectsHalfway_data()
{
    QTest::addColumn<int>("effect");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<double>("share");   // part of the area lit half-way
    QTest::addColumn<QPoint>("lit");
    QTest::addColumn<uint>("colour");    // what lit shows
    QTest::addColumn<QPoint>("dark");

    // The picture is 200 x 100 in quadrants red, blue / green, white.
    QTest::newRow("move left") << 1 << false << 0.5 << QPoint(150, 25) << uint(Red) << QPoint(50, 25);
    QTest::newRow("move right") << 2 << false << 0.5 << QPoint(50, 25) << uint(Blue) << QPoint(150, 25);
    QTest::newRow("move up") << 3 << false << 0.5 << QPoint(50, 75) << uint(Red) << QPoint(50, 25);
    QTest::newRow("move down") << 4 << false << 0.5 << QPoint(50, 25) << uint(Green) << QPoint(50, 75);
    QTest::newRow("cover left") << 5 << false << 0.5 << QPoint(150, 25) << uint(Blue) << QPoint(50, 25);
    QTest::newRow("cover right") << 6 << false << 0.5 << QPoint(50, 25) << uint(Red) << QPoint(150, 25);
    QTest::newRow("cover up") << 7 << false << 0.5 << QPoint(50, 75) << uint(Green) << QPoint(50, 25);
    QTest::newRow("cover down") << 8 << false << 0.5 << QPoint(50, 25) << uint(Red) << QPoint(50, 75);
    QTest::newRow("top left cover") << 9 << false << 0.25 << QPoint(50, 25) << uint(Red) << QPoint(150, 75);
    QTest::newRow("bottom left cover") << 10 << false << 0.25 << QPoint(50, 75) << uint(Green) << QPoint(150, 25);
    QTest::newRow("top right cover") << 11 << false << 0.25 << QPoint(150, 25) << uint(Blue) << QPoint(50, 75);
    QTest::newRow("bottom right cover") << 12 << false << 0.25 << QPoint(150, 75) << uint(White) << QPoint(50, 25);
    QTest::newRow("open from middle") << 13 << false << 0.5 << QPoint(60, 25) << uint(Red) << QPoint(20, 25);
    QTest::newRow("up down open") << 14 << false << 0.5 << QPoint(50, 30) << uint(Red) << QPoint(50, 10);
    QTest::newRow("close from middle") << 15 << false << 0.5 << QPoint(20, 25) << uint(Red) << QPoint(100, 25);
    QTest::newRow("up down close") << 16 << false << 0.5 << QPoint(50, 10) << uint(Red) << QPoint(50, 50);
    QTest::newRow("horizontal blinds") << 18 << false << 0.54 << QPoint(50, 2) << uint(Red) << QPoint(50, 10);
    QTest::newRow("vertical blinds") << 19 << false << 0.52 << QPoint(2, 25) << uint(Red) << QPoint(20, 25);

    // Leaving, the picture goes the way the effect names.
    QTest::newRow("clear move left") << 1 << true << 0.5 << QPoint(50, 25) << uint(Blue) << QPoint(150, 25);
    QTest::newRow("clear move down") << 4 << true << 0.5 << QPoint(50, 75) << uint(Red) << QPoint(50, 25);
    QTest::newRow("clear cover left") << 5 << true << 0.5 << QPoint(50, 25) << uint(Red) << QPoint(150, 25);
    QTest::newRow("clear cover down") << 8 << true << 0.5 << QPoint(50, 75) << uint(Green) << QPoint(50, 25);
    QTest::newRow("clear top left cover") << 9 << true << 0.75 << QPoint(150, 25) << uint(Blue) << QPoint(50, 25);
    QTest::newRow("clear bottom right cover") << 12 << true << 0.75 << QPoint(50, 75) << uint(Green) << QPoint(150, 75);
    QTest::newRow("clear open from middle") << 13 << true << 0.5 << QPoint(20, 25) << uint(Red) << QPoint(100, 25);
    QTest::newRow("clear close from middle") << 15 << true << 0.5 << QPoint(100, 25) << uint(Blue) << QPoint(20, 25);
    QTest::newRow("clear horizontal blinds") << 18 << true << 0.46 << QPoint(50, 10) << uint(Red) << QPoint(50, 2);
}

void TestSceneRender::effectsHalfway()
{
    QFETCH(int, effect);
    QFETCH(bool, clear);
    QFETCH(double, share);
    QFETCH(QPoint, lit);
    QFETCH(uint, colour);
    QFETCH(QPoint, dark);

    const quint32 id = area(QRect(0, 0, 200, 100));
    const Record effects = clear ? record(0, 0, effect, 1000, 0) : record(effect, 1000, 0, 0, 1000);
    const quint32 picture = play(id, quadrants(200, 100), {200, 100}, effects);
    QVERIFY(picture);
    QVERIFY(StepRenderer(0));
    int phase = -2;
    QVERIFY(GetPictureSessionState(id, picture, &phase, nullptr));
    QCOMPARE(phase, clear ? 1 : 0);
    QVERIFY(StepRenderer(500));
    const QImage frame = CaptureRenderFrame();
    QVERIFY2(std::abs(litShare(frame, frame.rect()) - share) < 0.03,
             qPrintable(QString::number(litShare(frame, frame.rect()))));
    QCOMPARE(frame.pixel(lit), QRgb(colour));
    QCOMPARE(frame.pixel(dark), Black);
}

void TestSceneRender::gradualChangeBlends()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    QVERIFY(play(id, solid(200, 100, White), {200, 100}, record(17, 1000, 17, 1000, 100)));
    QVERIFY(StepRenderer(0));
    QVERIFY(near(CaptureRenderFrame().pixel(100, 50), Black, 1));
    QVERIFY(StepRenderer(500));
    QVERIFY(near(CaptureRenderFrame().pixel(100, 50), qRgb(128, 128, 128), 3));
    QVERIFY(StepRenderer(500 + 100 + 750)); // entered, held, three quarters gone
    QVERIFY(near(CaptureRenderFrame().pixel(100, 50), qRgb(64, 64, 64), 3));
}

void TestSceneRender::fillTypes_data()
{
    QTest::addColumn<uint>("fill");
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QPoint>("p1");
    QTest::addColumn<uint>("c1");
    QTest::addColumn<QPoint>("p2");
    QTest::addColumn<uint>("c2");
    QTest::addColumn<QPoint>("p3");
    QTest::addColumn<uint>("c3");

    // A red picture whose top left pixel is blue, in a 100 x 100 place.
    QTest::newRow("stretch") << 0u << QSize(100, 50) << QPoint(50, 5) << uint(Red)
                             << QPoint(50, 95) << uint(Red) << QPoint(0, 0) << uint(Blue);
    QTest::newRow("keep ratio, wide") << 3u << QSize(100, 50) << QPoint(50, 10) << uint(Black)
                                      << QPoint(50, 50) << uint(Red) << QPoint(50, 90) << uint(Black);
    QTest::newRow("keep ratio, tall") << 3u << QSize(50, 100) << QPoint(10, 50) << uint(Black)
                                      << QPoint(50, 50) << uint(Red) << QPoint(90, 50) << uint(Black);
    QTest::newRow("centre") << 1u << QSize(40, 20) << QPoint(30, 40) << uint(Blue)
                            << QPoint(50, 50) << uint(Red) << QPoint(10, 10) << uint(Black);
    QTest::newRow("tile") << 2u << QSize(40, 20) << QPoint(40, 20) << uint(Blue)
                          << QPoint(80, 80) << uint(Blue) << QPoint(99, 99) << uint(Red);
    QTest::newRow("unknown stretches") << 7u << QSize(40, 20) << QPoint(10, 10) << uint(Red)
                                       << QPoint(99, 99) << uint(Red) << QPoint(0, 0) << uint(Blue);
}

void TestSceneRender::fillTypes()
{
    QFETCH(uint, fill);
    QFETCH(QSize, source);
    QFETCH(QPoint, p1);
    QFETCH(uint, c1);
    QFETCH(QPoint, p2);
    QFETCH(uint, c2);
    QFETCH(QPoint, p3);
    QFETCH(uint, c3);
    QImage image = solid(source.width(), source.height(), Red);
    image.setPixel(0, 0, Blue);

    InitRenderer(&m_sink, 100, 100, 40);
    const quint32 id = area(QRect(0, 0, 100, 100));
    const quint32 picture = play(id, image, {100, 100}, record(0, 0, 0, 0, SceneHoldForever));
    QVERIFY(StepRenderer(0)); // shown stretched first: the fill type acts on a running picture
    QCOMPARE(litShare(CaptureRenderFrame(), QRect(0, 0, 100, 100)), 1.0);
    QVERIFY(UpdatePictureSessionFillType(id, picture, fill));
    QVERIFY(StepRenderer(40));
    const QImage frame = CaptureRenderFrame();
    QCOMPARE(frame.pixel(p1), QRgb(c1));
    QCOMPARE(frame.pixel(p2), QRgb(c2));
    QCOMPARE(frame.pixel(p3), QRgb(c3));
}

void TestSceneRender::areasClipAndStack()
{
    const quint32 low = area(QRect(80, 0, 120, 100), 255, 1);
    const quint32 high = area(QRect(0, 0, 120, 100), 255, 2);
    QVERIFY(play(low, solid(120, 100, Blue), {120, 100}, record(0, 0, 0, 0, SceneHoldForever)));
    QVERIFY(play(high, solid(120, 100, Red), {120, 100}, record(0, 0, 0, 0, SceneHoldForever)));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Red);
    QCOMPARE(CaptureRenderFrame().pixel(150, 50), Blue);

    QVERIFY(SetAreaSessionLayer(low, 3));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Blue);

    // -1 goes above the areas before it; a place larger than its area is cut at the area.
    const quint32 top = area(QRect(90, 40, 20, 20));
    QVERIFY(play(top, solid(200, 100, Green), {200, 100}, record(0, 0, 0, 0, SceneHoldForever)));
    QVERIFY(StepRenderer(0));
    const QImage frame = CaptureRenderFrame();
    QCOMPARE(frame.pixel(100, 50), Green);
    QCOMPARE(frame.pixel(109, 59), Green);
    QCOMPARE(frame.pixel(110, 60), Blue);
    QCOMPARE(frame.pixel(89, 39), Blue);

    QVERIFY(UnRegisterAreaSession(low));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(150, 50), Black);
}

void TestSceneRender::areaAndPictureAlpha()
{
    const quint32 half = area(QRect(0, 0, 100, 100), 128);
    QVERIFY(play(half, solid(100, 100, White), {100, 100}, record(0, 0, 0, 0, SceneHoldForever)));
    const quint32 glass = area(QRect(100, 0, 100, 100));
    QVERIFY(play(glass, solid(100, 100, qRgba(255, 0, 0, 64)), {100, 100},
                 record(0, 0, 0, 0, SceneHoldForever)));
    QVERIFY(StepRenderer(0));
    QVERIFY(near(CaptureRenderFrame().pixel(50, 50), qRgb(128, 128, 128), 2));
    QVERIFY(near(CaptureRenderFrame().pixel(150, 50), qRgb(64, 0, 0), 2));

    SwitchAlphaFun(false);
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(50, 50), White);
    QCOMPARE(CaptureRenderFrame().pixel(150, 50), Red);

    SwitchAlphaFun(true);
    QVERIFY(StepRenderer(0));
    QVERIFY(near(CaptureRenderFrame().pixel(50, 50), qRgb(128, 128, 128), 2));
}

void TestSceneRender::focusOutline()
{
    const quint32 id = area(QRect(20, 20, 60, 40));
    QVERIFY(play(id, solid(60, 40, Blue), {60, 40}, record(0, 0, 0, 0, SceneHoldForever)));
    QVERIFY(SetAreaSessionHasFocus(id));
    QVERIFY(StepRenderer(0));
    QImage frame = CaptureRenderFrame();
    for (const QPoint p : {QPoint(20, 20), QPoint(79, 20), QPoint(20, 59), QPoint(79, 59),
                           QPoint(50, 21), QPoint(21, 40)})
        QCOMPARE(frame.pixel(p), Yellow);
    QCOMPARE(frame.pixel(50, 40), Blue);
    QCOMPARE(frame.pixel(19, 19), Black);

    CancelAreaSessionHasFocus();
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(20, 20), Blue);
    QVERIFY(!SetAreaSessionHasFocus(id + 1000));
}

void TestSceneRender::pauseFreezesEffectsAndHold()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 picture = play(id, quadrants(200, 100), {200, 100}, record(1, 1000, 0, 0, 500));
    QVERIFY(StepRenderer(0));
    QVERIFY(StepRenderer(300));
    const QImage before = CaptureRenderFrame();

    QVERIFY(SetPlayStatus(1));
    QVERIFY(StepRenderer(400));
    QCOMPARE(CaptureRenderFrame(), before);
    QVERIFY(SetPlayStatus(0));
    QVERIFY(StepRenderer(200));
    QVERIFY(CaptureRenderFrame() != before);

    QVERIFY(StepRenderer(500)); // entered, now holding
    int phase = -2;
    QVERIFY(GetPictureSessionState(id, picture, &phase, nullptr));
    QCOMPARE(phase, 2);
    QVERIFY(SetPlayStatus(1));
    QVERIFY(StepRenderer(100000));
    QVERIFY(takeEvents().isEmpty());
    QVERIFY(SetPlayStatus(0));
    QVERIFY(StepRenderer(500));
    QCOMPARE(takeEvents().first(), Event(id, 0));
}

void TestSceneRender::stopStartsOver()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 first = play(id, solid(200, 100, Red), {200, 100}, record(0, 0, 0, 0, 100));
    const quint32 second = play(id, solid(200, 100, Blue), {200, 100}, record(0, 0, 0, 0, 100));
    QVERIFY(StepRenderer(0));
    QVERIFY(StepRenderer(150));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Blue);

    QVERIFY(SetPlayStatus(2));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Black);
    int phase = -2;
    QVERIFY(GetPictureSessionState(id, second, &phase, nullptr));
    QCOMPARE(phase, -1);
    QVERIFY(GetPictureSessionState(id, first, &phase, nullptr));
    QCOMPARE(phase, 0);
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Red);
    QVERIFY(!SetPlayStatus(3));
}

void TestSceneRender::finishedPicturesInOrder()
{
    const quint32 a = area(QRect(0, 0, 100, 100));
    const quint32 b = area(QRect(100, 0, 100, 100));
    for (int i = 0; i < 3; ++i)
        QVERIFY(play(a, solid(10, 10, Red), {100, 100}, record(0, 0, 0, 0, 100)));
    // Entry, hold and exit all count: 200 + 100 + 200 ms.
    QVERIFY(play(b, solid(10, 10, Blue), {100, 100}, record(1, 200, 5, 200, 100)));

    QVERIFY(StepRenderer(0));
    QVERIFY(StepRenderer(250));
    QCOMPARE(takeEvents(), (QList<Event>{{a, 0}, {a, 1}}));
    QVERIFY(StepRenderer(249));
    QCOMPARE(takeEvents(), (QList<Event>{{a, 2}, {a, 0}}));
    QVERIFY(StepRenderer(1)); // b ends now, and with it the first round of every area
    QCOMPARE(takeEvents(),
             (QList<Event>{{a, 1}, {b, 0}, {0, KRenderEvent::AllAreasFinished}}));

    QVERIFY(NotifyPlayManagerPlayFinish(a));
    QCOMPARE(takeEvents(), (QList<Event>{{a, 2}}));
    QVERIFY(!NotifyPlayManagerPlayFinish(0));
}

void TestSceneRender::holdForeverHoldsUntilRemoved()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 held = play(id, solid(20, 20, Red), {200, 100}, record(0, 0, 0, 0, SceneHoldForever));
    const quint32 next = play(id, solid(20, 20, Blue), {200, 100}, record(0, 0, 0, 0, 100));
    QVERIFY(StepRenderer(0));
    for (int i = 0; i < 10; ++i)
        QVERIFY(StepRenderer(1000000));
    QVERIFY(takeEvents().isEmpty());
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Red);

    QVERIFY(RemovePictureSession(id, held));
    QVERIFY(!RemovePictureSession(id, held));
    int phase = -2;
    QVERIFY(GetPictureSessionState(id, next, &phase, nullptr));
    QCOMPARE(phase, 0);
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Blue);
    QVERIFY(StepRenderer(100));
    QCOMPARE(takeEvents().first(), Event(id, 0));
}

void TestSceneRender::dontClearKeepsPicture()
{
    for (const int clear : {20, 0}) {
        const quint32 id = area(QRect(0, 0, 200, 100));
        const quint32 first = play(id, solid(200, 100, Red), {200, 100}, record(0, 0, clear, 500, 100));
        QVERIFY(play(id, solid(200, 100, Blue), {200, 100}, record(5, 1000, 0, 0, 1000)));
        QVERIFY(StepRenderer(0));
        QVERIFY(StepRenderer(100)); // the red picture has ended (don't clear has no exit time)
        QCOMPARE(takeEvents().value(0), Event(id, 0));
        // A frame renderer may drop a finished picture at once; what stayed must not go with it.
        QVERIFY(RemovePictureSession(id, first));
        QVERIFY(FreePictureSession(first));
        QVERIFY(StepRenderer(500));
        const QImage frame = CaptureRenderFrame();
        QCOMPARE(frame.pixel(150, 50), Blue);
        QCOMPARE(frame.pixel(50, 50), clear == 20 ? Red : Black);
        UnRegisterAreaSession(id);
    }
}

void TestSceneRender::randomPicksRealEffects()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const QImage image = quadrants(200, 100);
    const quint32 picture = play(id, image, {200, 100}, record(25, 1000, 25, 1000, 0));
    QVERIFY(StepRenderer(0));
    QSet<int> seen;
    int previous = 0;
    for (int i = 0; i < 30; ++i) {
        int phase = -2, effect = -1;
        QVERIFY(GetPictureSessionState(id, picture, &phase, &effect));
        QCOMPARE(phase, i % 2 == 0 ? 0 : 1);
        QVERIFY2(effect >= 1 && effect <= 19, qPrintable(QString::number(effect)));
        QVERIFY(effect != previous);
        previous = effect;
        seen.insert(effect);
        QVERIFY(StepRenderer(500)); // half-way something is moving, covered or fading
        QVERIFY(CaptureRenderFrame() != image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        QVERIFY(StepRenderer(500));
    }
    QVERIFY(seen.size() >= 8);
}

void TestSceneRender::effectUpdatesActOnRunningPicture()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 picture = play(id, quadrants(200, 100), {200, 100}, record(1, 1000, 0, 0, 5000));
    QVERIFY(StepRenderer(0));
    QVERIFY(StepRenderer(500));
    // Cover Left from here on, and the hold shortened while it enters.
    QVERIFY(UpdatePictureSessionEffect(id, picture, 0, 5, 1000));
    QVERIFY(UpdatePictureSessionEffect(id, picture, 2, 0, 200));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(150, 25), Blue);
    QVERIFY(StepRenderer(500 + 199));
    QVERIFY(takeEvents().isEmpty());
    QVERIFY(StepRenderer(1));
    QCOMPARE(takeEvents().first(), Event(id, 0));
    QVERIFY(!UpdatePictureSessionEffect(id, picture, 3, 0, 100));
    QVERIFY(!UpdatePictureSessionEffect(id, picture, 0, 1, -5));
}

void TestSceneRender::textureAndSurfaceUploads()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 tex = CreateTexture(40, 20);
    const qint32 rects[8] = {0, 0, 200, 100, 0, 0, 40, 20};
    const Record effect = record(0, 0, 0, 0, SceneHoldForever);
    const quint32 picture = CreatePictureSession(2, &tex, 4, effect.data(), rects, 0xFF010201);
    QVERIFY(AddPictureSession(id, picture, 0));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Black); // a new texture is transparent

    const QImage red = solid(40, 20, Red);
    QVERIFY(UpdateTextureData(tex, red.constBits(), 40, 20));
    QVERIFY(StepRenderer(40));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Red);

    // Video frames arrive through a surface.
    const quint32 surface = GetD3dSurface(0, 40, 20);
    QVERIFY(surface);
    const QImage green = solid(40, 20, Green);
    QVERIFY(UpdateSurface(0, surface, green.constBits(), 40, 20));
    QVERIFY(UpdateSurfaceToTexture(0, tex, surface));
    QVERIFY(StepRenderer(40));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Green);

    // Data smaller or larger than the texture fills the overlap only.
    const QImage blue = solid(20, 40, Blue);
    QVERIFY(UpdateTextureData(tex, blue.constBits(), 20, 40));
    QVERIFY(StepRenderer(40));
    QCOMPARE(CaptureRenderFrame().pixel(10, 50), Blue);
    QCOMPARE(CaptureRenderFrame().pixel(190, 50), Green);

    // The picture key is drawn transparent.
    const QImage keyed = solid(40, 20, 0xFF010201);
    QVERIFY(UpdateTextureData(tex, keyed.constBits(), 40, 20));
    QVERIFY(StepRenderer(40));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Black);

    QVERIFY(FreeTexture(tex));
    QVERIFY(StepRenderer(40)); // the session outlives its texture and draws nothing
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Black);
    QVERIFY(RemovePictureSession(id, picture));
    QVERIFY(FreePictureSession(picture));
    QVERIFY(FreeSurface(surface));
    QVERIFY(!FreeSurface(surface));
}

void TestSceneRender::uploadsFromAnotherThread()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 tex = CreateTexture(200, 100);
    const qint32 rects[8] = {0, 0, 200, 100, 0, 0, 200, 100};
    const Record effect = record(0, 0, 0, 0, SceneHoldForever);
    QVERIFY(AddPictureSession(id, CreatePictureSession(2, &tex, 4, effect.data(), rects, 0), 0));

    std::atomic<bool> done{false};
    std::thread decoder([&done, tex] {
        const QImage frames[2] = {solid(200, 100, Red), solid(200, 100, Blue)};
        for (int i = 0; i < 200; ++i)
            UpdateTextureData(tex, frames[i % 2].constBits(), 200, 100);
        done = true;
    });
    while (!done)
        QVERIFY(StepRenderer(1));
    decoder.join();
    QVERIFY(StepRenderer(1));
    QCOMPARE(CaptureRenderFrame().pixel(100, 50), Blue);
}

void TestSceneRender::effectDurations()
{
    for (const int effect : {0, 20, 99})
        QCOMPARE(GeteffectDuration(128, 64, effect, 4), 0);
    for (int effect = 1; effect <= 25; ++effect) {
        if (effect > 19 && effect != 25)
            continue;
        int previous = INT_MAX;
        for (int speed = 0; speed <= 8; ++speed) {
            const int ms = GeteffectDuration(128, 64, effect, speed);
            QVERIFY(ms > 0 && ms < previous);
            previous = ms;
        }
        // Out-of-range speeds are the slowest and fastest ones.
        QCOMPARE(GeteffectDuration(128, 64, effect, -3), GeteffectDuration(128, 64, effect, 0));
        QCOMPARE(GeteffectDuration(128, 64, effect, 12), GeteffectDuration(128, 64, effect, 8));
    }
    // A move crosses a wide place more slowly than a narrow one; a fade takes the same time.
    QVERIFY(GeteffectDuration(1920, 64, 1, 4) > GeteffectDuration(128, 64, 1, 4));
    QCOMPARE(GeteffectDuration(1920, 64, 17, 4), GeteffectDuration(128, 64, 17, 4));
    QVERIFY(GeteffectDuration(-5, 1 << 30, 3, 4) > 0);
}

void TestSceneRender::deviceAndResize()
{
    quint32 first = 0, second = 0;
    QVERIFY(GetD3DDevice(&first, &second));
    QVERIFY(first != 0 && second != 0);
    QVERIFY(!GetD3DDevice(&first, nullptr));
    QVERIFY(!SetDevice(second + 1));

    const quint32 id = area(QRect(0, 0, 200, 100));
    QVERIFY(play(id, solid(10, 10, Red), {200, 100}, record(0, 0, 0, 0, 100)));
    QVERIFY(SetDevice(0)); // lost: nothing is drawn and no clock runs
    QVERIFY(StepRenderer(500));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Black);
    QVERIFY(takeEvents().isEmpty());
    QVERIFY(SetDevice(second));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Red);

    QVERIFY(UpdateWindowSize(300, 150));
    QCOMPARE(takeEvents(), (QList<Event>{{0, KRenderEvent::DeviceRestored}}));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().size(), QSize(300, 150));
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Red);
    QVERIFY(!UpdateWindowSize(0, 150));
    QVERIFY(!UpdateWindowSize(100000, 150));
    QCOMPARE(CaptureRenderFrame().size(), QSize(300, 150));
}

void TestSceneRender::badInputIsHarmless()
{
    const quint32 id = area(QRect(0, 0, 200, 100));
    const quint32 tex = CreateTexture(10, 10);
    const Record effect = record(0, 0, 0, 0, 100);
    const qint32 rects[8] = {0, 0, 200, 100, 0, 0, 10, 10};
    const quint32 picture = CreatePictureSession(2, &tex, 4, effect.data(), rects, 0);
    QVERIFY(id && tex && picture);

    // Absurd or empty sizes allocate nothing.
    QCOMPARE(CreateTexture(0, 10), 0u);
    QCOMPARE(CreateTexture(-1, -1), 0u);
    QCOMPARE(CreateTexture(8193, 10), 0u);
    QCOMPARE(CreateTexture(100000, 100000), 0u);
    QCOMPARE(GetD3dSurface(0, 10, 1 << 30), 0u);
    QCOMPARE(CreateAreaSession(0, 0, 0, 10, 255, -1, 0, 0, 0, 0, 0, 0), 0u);
    QCOMPARE(CreateAreaSession(0, 0, 10, 9000, 255, -1, 0, 0, 0, 0, 0, 0), 0u);

    // Null pointers and wrong kinds.
    QVERIFY(!UpdateTextureData(tex, nullptr, 10, 10));
    QVERIFY(!UpdateTextureData(tex, effect.data(), 0, 10));
    QCOMPARE(CreatePictureSession(2, nullptr, 4, effect.data(), rects, 0), 0u);
    QCOMPARE(CreatePictureSession(2, &tex, 4, nullptr, rects, 0), 0u);
    QCOMPARE(CreatePictureSession(2, &tex, 4, effect.data(), nullptr, 0), 0u);
    QCOMPARE(CreatePictureSession(3, &tex, 4, effect.data(), rects, 0), 0u);
    QCOMPARE(CreatePictureSession(2, &tex, 3, effect.data(), rects, 0), 0u);
    const qint32 empty[8] = {0, 0, 0, 100, 0, 0, 10, 10};
    QCOMPARE(CreatePictureSession(2, &tex, 4, effect.data(), empty, 0), 0u);
    const quint32 noTexture = 12345678;
    QCOMPARE(CreatePictureSession(2, &noTexture, 4, effect.data(), rects, 0), 0u);

    // Handles of the wrong kind or of nothing.
    for (const quint32 bogus : {0u, tex, picture + 1000, 0xFFFFFFFFu}) {
        QVERIFY(!AddPictureSession(bogus, picture, 0));
        QVERIFY(!RemovePictureSession(bogus, picture));
        QVERIFY(!UpdatePictureSessionFillType(bogus, picture, 3));
        QVERIFY(!UpdatePictureSessionEffect(bogus, picture, 0, 1, 100));
        QVERIFY(!UnRegisterAreaSession(bogus));
        QVERIFY(!SetAreaSessionLayer(bogus, 1));
        QVERIFY(!GetPictureSessionState(bogus, picture, nullptr, nullptr));
        QVERIFY(!FreePictureSession(bogus == tex ? 0 : bogus));
        QVERIFY(!UpdateSurfaceToTexture(0, tex, bogus));
    }
    QVERIFY(!FreeTexture(id));
    QVERIFY(!FreeAreaSession(id)); // an area id is not its handle
    QVERIFY(!UpdatePictureSessionFillType(id, picture, 3)); // not added yet
    QVERIFY(AddPictureSession(id, picture, 0));
    QVERIFY(!AddPictureSession(id, picture, 0)); // a picture plays in one area at a time
    QVERIFY(!StepRenderer(-1));
    QVERIFY(StepRenderer(0));
    QCOMPARE(CaptureRenderFrame().pixel(5, 5), Black); // the texture was never filled

    // After a teardown every old handle is dead and nothing works before a new start.
    DestroyRenderer();
    QVERIFY(!StepRenderer(0));
    QVERIFY(CaptureRenderFrame().isNull());
    QVERIFY(!InitRenderer(&m_sink, 100, 100, 40));
    QCOMPARE(CreateTexture(10, 10), 0u);
    QVERIFY(CreateRenderer());
    QVERIFY(!InitRenderer(nullptr, 100, 100, 40));
    QVERIFY(!InitRenderer(&m_sink, 0, 100, 40));
    QVERIFY(InitRenderer(&m_sink, 100, 100, 40));
    QVERIFY(!FreeTexture(tex));
    QVERIFY(!FreePictureSession(picture));
    QVERIFY(!AddPictureSession(id, picture, 0));
}

void TestSceneRender::frameClockAndView()
{
    QVERIFY(InitRenderer(&m_sink, 200, 100, 10));
    const quint32 id = area(QRect(0, 0, 200, 100));
    QVERIFY(play(id, solid(10, 10, Red), {200, 100}, record(0, 0, 0, 0, 30)));
    KRenderView view;
    view.resize(200, 100);
    view.show();
    QVERIFY(StartRenderer());
    QList<Event> seen; // the macro evaluates its condition more than once
    QTRY_VERIFY_WITH_TIMEOUT((seen += takeEvents(), seen.contains(Event(id, 0))), 5000);
    QCOMPARE(CaptureRenderFrame().pixel(10, 10), Red);
    QCOMPARE(view.sizeHint(), QSize(200, 100));
    QCOMPARE(view.grab().toImage().pixel(10, 10), Red);
}

// Not a check of its own: writes a picture of a frame for people to look at.
void TestSceneRender::saveThreeAreaPreview()
{
    QVERIFY(InitRenderer(&m_sink, 480, 270, 40));
    const auto picture = [](QSize size, QColor from, QColor to, const QString& text) {
        QImage image(size, QImage::Format_ARGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, size.width(), size.height());
        gradient.setColorAt(0, from);
        gradient.setColorAt(1, to);
        painter.fillRect(image.rect(), gradient);
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setPixelSize(size.height() / 4);
        painter.setFont(font);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        return image;
    };
    const quint32 a = area(QRect(10, 10, 300, 120), 255, -1, 0xFF202040);
    const quint32 b = area(QRect(10, 140, 300, 120), 255, -1, 0xFF204020);
    const quint32 c = area(QRect(320, 10, 150, 250), 200, -1, 0xFF402020);
    QVERIFY(play(a, picture({300, 120}, Qt::red, Qt::blue, "Move Left"), {300, 120},
                 record(1, 1000, 0, 0, 1000)));
    QVERIFY(play(b, picture({300, 120}, Qt::darkGreen, Qt::yellow, "Blinds"), {300, 120},
                 record(18, 1000, 0, 0, 1000)));
    const quint32 fade = play(c, picture({100, 100}, Qt::magenta, Qt::cyan, "Fade"),
                              {150, 250}, record(17, 1000, 0, 0, 1000));
    QVERIFY(UpdatePictureSessionFillType(c, fade, 3));
    QVERIFY(SetAreaSessionHasFocus(b));
    QVERIFY(StepRenderer(0));
    QVERIFY(StepRenderer(600));

    const QString dir = QStringLiteral(KESTROVA_TEST_ARTIFACTS);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(CaptureRenderFrame().save(dir + QStringLiteral("/preview_three_areas.png")));
}

KESTROVA_TEST_MAIN(TestSceneRender)
#include "tst_scenerender.moc"
