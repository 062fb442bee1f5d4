#include "icontentrender.h"
#include "iframerender.h"
#include "kborderpainter.h"
#include "kcontentnode.h"
#include "kcontrollernode.h"
#include "keffectnode.h"
#include "kframenode.h"
#include "kgiffixture.h"
#include "kpluginmanager.h"
#include "kpreviewsink.h"
#include "kscenenode.h"
#include "ktestmain.h"
#include "scenerender.h"

#include <QPainter>
#include <QTemporaryDir>

#include <memory>

using namespace Ky;

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Green = 0xFF00FF00;
constexpr QRgb Blue = 0xFF0000FF;
constexpr QRgb White = 0xFFFFFFFF;
const QSize kScreen(128, 64);
const QRect kArea(16, 8, 64, 32);

} // namespace

class TestFrameRender : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase() { KPluginManager::Destroy(); }

    void playsContentsInTurn();
    void contentsThatCannotPlayAreSkipped();
    void animationEndsItsOwnTurn();
    void shownContentStays();
    void removedContentIsLetGo();
    void pauseAndLayer();
    void borderAroundContent();
    void borderSteps_data();
    void borderSteps();
    void programBackground_data();
    void programBackground();

private:
    QString Png(const QString& name, QRgb colour);
    KEffectNode* AddPicture(const QString& file, int holdTenths = 2);
    IFrameRender* Render(KNode* node);
    // Steps the clock until the predicate holds or a limit passes; events reach the renderers.
    template <typename F> bool StepUntil(F done, int limit = 200);
    QRgb At(int x, int y);

    QTemporaryDir m_dir;
    Ky::Test::PreviewSink m_sink;
    std::unique_ptr<KControllerNode> m_screen;
    KSceneNode* m_program = nullptr;
    KFrameNode* m_area = nullptr;
    std::vector<std::unique_ptr<IFrameRender>> m_renders;
};

void TestFrameRender::init()
{
    QVERIFY(CreateRenderer());
    QVERIFY(InitRenderer(&m_sink, kScreen.width(), kScreen.height(), 40));
    KPluginManager* manager = KPluginManager::instance();
    m_screen.reset(qobject_cast<KControllerNode*>(manager->Create("KY_Screen_Plugin")));
    m_program = qobject_cast<KSceneNode*>(manager->Create("KY_OrdinaryScene_Plugin"));
    m_area = qobject_cast<KFrameNode*>(manager->Create("KY_Frame_Plugin"));
    QVERIFY(m_screen && m_program && m_area);
    m_screen->SetDeviceModel(QStringLiteral("Q741"));
    m_screen->SetSize(kScreen, QSize(0, 0));
    m_screen->AddChild(m_program);
    m_program->AddChild(m_area);
    m_area->SetRect(kArea);
}

void TestFrameRender::cleanup()
{
    m_sink.renderers.clear();
    m_renders.clear();
    m_screen.reset();
    DestroyRenderer();
    QCoreApplication::sendPostedEvents(&m_sink);
    m_sink.events.clear();
}

QString TestFrameRender::Png(const QString& name, QRgb colour)
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = m_dir.filePath(name);
    return image.save(path, "PNG") ? path : QString();
}

KEffectNode* TestFrameRender::AddPicture(const QString& file, int holdTenths)
{
    auto* node = qobject_cast<KEffectNode*>(KPluginManager::instance()->Create("KY_Image_Plugin"));
    if (!node)
        return nullptr;
    node->SetFilePath(QStringLiteral("Photo"), file, QString());
    node->SetHoldTime(holdTenths);
    m_area->AddChild(node);
    return node;
}

IFrameRender* TestFrameRender::Render(KNode* node)
{
    IFrameRender* render = KPluginManager::instance()->GetFrameRender(node);
    if (!render)
        return nullptr;
    m_renders.emplace_back(render);
    m_sink.renderers.append(render);
    return render;
}

template <typename F> bool TestFrameRender::StepUntil(F done, int limit)
{
    for (int i = 0; i < limit; ++i) {
        if (done())
            return true;
        StepRenderer(20);
        QCoreApplication::processEvents();
    }
    return done();
}

QRgb TestFrameRender::At(int x, int y)
{
    // Engines put their first frame up on the next turn of the event loop.
    QCoreApplication::processEvents();
    StepRenderer(0);
    return CaptureRenderFrame().pixel(x, y);
}

// Three pictures play one after another; the area has played through only after the last, and
// then starts over.
void TestFrameRender::playsContentsInTurn()
{
    AddPicture(Png("red.png", Red));
    AddPicture(Png("green.png", Green));
    AddPicture(Png("blue.png", Blue));
    IFrameRender* render = Render(m_area);
    QVERIFY(render);
    render->Start();
    render->SetLayer(1);
    QVERIFY(render->GetSession() != 0);
    QVERIFY(!render->IsPlayFinish());

    const QPoint inside = kArea.center();
    QList<QRgb> seen;
    bool early = false;
    const bool ended = StepUntil([&] {
        const QRgb colour = At(inside.x(), inside.y());
        if (colour != Black && (seen.isEmpty() || seen.last() != colour))
            seen << colour;
        early |= seen.size() < 3 && render->IsPlayFinish();
        return render->IsPlayFinish();
    });
    QVERIFY(ended);
    QVERIFY2(!early, "played through before the last picture");
    // The next pass may already have begun when the area reports it has played through.
    QCOMPARE(seen.mid(0, 3), QList<QRgb>({Red, Green, Blue}));
    QVERIFY(seen.size() == 3 || seen.mid(3) == QList<QRgb>({Red}));
    // One report per picture, all from this area (beside the service's "every area is done").
    QList<QPair<quint32, int>> finished;
    for (const auto& event : std::as_const(m_sink.events))
        if (event.first != 0)
            finished << event;
    QCOMPARE(finished.size(), 3);
    for (const auto& event : std::as_const(finished))
        QCOMPARE(event.first, render->GetSession());
    QVERIFY(StepUntil([&] { return At(inside.x(), inside.y()) == Red; }));

    // Replay starts a new pass.
    render->Replay();
    QVERIFY(!render->IsPlayFinish());
    QCOMPARE(At(inside.x(), inside.y()), Red);
}

void TestFrameRender::contentsThatCannotPlayAreSkipped()
{
    AddPicture(m_dir.filePath("missing-1.png"));
    AddPicture(Png("green.png", Green));
    AddPicture(m_dir.filePath("missing-2.png"));
    IFrameRender* render = Render(m_area);
    render->Start();
    const QPoint inside = kArea.center();
    QVERIFY(StepUntil([&] { return At(inside.x(), inside.y()) == Green; }));
    QVERIFY(StepUntil([&] { return render->IsPlayFinish(); }));

    // An area whose contents all lack their files has played through at once and rests.
    std::unique_ptr<KNode> other(KPluginManager::instance()->Create("KY_Frame_Plugin"));
    auto* empty = qobject_cast<KFrameNode*>(other.get());
    m_program->AddChild(empty);
    other.release();
    empty->SetRect(QRect(90, 8, 30, 30));
    for (int i = 0; i < 2; ++i) {
        auto* node = KPluginManager::instance()->Create("KY_Image_Plugin");
        node->SetFilePath(QStringLiteral("Photo"), m_dir.filePath("gone.png"), QString());
        empty->AddChild(node);
    }
    IFrameRender* idle = Render(empty);
    idle->Start();
    QVERIFY(StepUntil([&] { return idle->IsPlayFinish(); }, 5));
}

// A GIF whose engine reports its loops ends its turn by that report alone, even with a hold
// much shorter than its loop.
void TestFrameRender::animationEndsItsOwnTurn()
{
    const QString gif = m_dir.filePath("long.gif");
    QVERIFY(Ky::Test::WriteGif(gif, QSize(8, 8), Ky::Test::SolidFrames(1, QSize(8, 8), 5010)));
    KEffectNode* animation = AddPicture(gif, 1);
    animation->SetDispEffect(0);
    animation->SetClearEffect(0);
    AddPicture(Png("blue.png", Blue), 100);
    IFrameRender* render = Render(m_area);
    render->Start();
    const QPoint inside = kArea.center();
    QCOMPARE(At(inside.x(), inside.y()), Red); // the GIF's only frame
    // Far past its hold on the service's clock, the GIF still holds.
    StepRenderer(1000);
    QCOMPARE(At(inside.x(), inside.y()), Red);
    for (int i = 0; i < 1000 && At(inside.x(), inside.y()) != Blue; ++i) {
        StepRenderer(20);
        QTest::qWait(20);
    }
    QCOMPARE(At(inside.x(), inside.y()), Blue);
    QList<QPair<quint32, int>> finished;
    for (const auto& event : std::as_const(m_sink.events))
        if (event.first != 0)
            finished << event;
    QCOMPARE(finished.size(), 1);
}

void TestFrameRender::shownContentStays()
{
    AddPicture(Png("red.png", Red));
    AddPicture(Png("green.png", Green));
    IFrameRender* render = Render(m_area);
    render->Start();
    render->ShowContent(1);
    const QPoint inside = kArea.center();
    QCOMPARE(At(inside.x(), inside.y()), Green);
    for (int i = 0; i < 60; ++i) {
        StepRenderer(20);
        QCoreApplication::processEvents();
        QCOMPARE(At(inside.x(), inside.y()), Green);
    }
    QVERIFY(!m_sink.events.isEmpty()); // the picture did finish, and came again
    render->ShowContent(7);            // no such row: nothing changes
    QCOMPARE(At(inside.x(), inside.y()), Green);
    render->Start();
    QCOMPARE(At(inside.x(), inside.y()), Red);
}

void TestFrameRender::removedContentIsLetGo()
{
    AddPicture(Png("red.png", Red));
    KEffectNode* green = AddPicture(Png("green.png", Green));
    IFrameRender* render = Render(m_area);
    render->Start();
    const QPoint inside = kArea.center();
    QVERIFY(StepUntil([&] { return At(inside.x(), inside.y()) == Green; }));
    // The tree announces the removal, then the node goes.
    render->ContentChanged();
    m_area->RemoveChild(green);
    delete green;
    QVERIFY(StepUntil([&] { return At(inside.x(), inside.y()) == Red; }));
    QVERIFY(StepUntil([&] { return render->IsPlayFinish(); }));
}

void TestFrameRender::pauseAndLayer()
{
    AddPicture(Png("red.png", Red), 1);
    IFrameRender* render = Render(m_area);
    render->Start();
    // A second area over the first, on a higher layer.
    auto* upper = qobject_cast<KFrameNode*>(KPluginManager::instance()->Create("KY_Frame_Plugin"));
    m_program->AddChild(upper);
    upper->SetRect(kArea);
    auto* blue = KPluginManager::instance()->Create("KY_Image_Plugin");
    blue->SetFilePath(QStringLiteral("Photo"), Png("blue.png", Blue), QString());
    qobject_cast<KEffectNode*>(blue)->SetHoldTime(100);
    upper->AddChild(blue);
    IFrameRender* top = Render(upper);
    top->Start();
    render->SetLayer(2);
    top->SetLayer(1);
    const QPoint inside = kArea.center();
    QCOMPARE(At(inside.x(), inside.y()), Red);
    render->SetLayer(1);
    top->SetLayer(2);
    QCOMPARE(At(inside.x(), inside.y()), Blue);

    render->TogglePause();
    render->TogglePause();
    QVERIFY(StepUntil([&] { return render->IsPlayFinish(); }));
}

void TestFrameRender::borderAroundContent()
{
    // A white single-colour pattern tinted red, one pixel thick, standing still.
    m_area->SetType(2);
    m_area->SetPurityIndex(0);
    m_area->SetPurityColor(int(qint32(Red)));
    m_area->SetEffect(KBorderPainter::Static);
    m_area->SetEnable(true);
    const int b = m_area->FrameHeight();
    QVERIFY(b > 0);
    AddPicture(Png("green.png", Green), 100);
    IFrameRender* render = Render(m_area);
    render->Start();
    const QImage frame = (At(0, 0), CaptureRenderFrame());
    // The content fills the inside exactly; the border lies in the first b pixels.
    QCOMPARE(frame.pixel(kArea.left() + b, kArea.top() + b), Green);
    QCOMPARE(frame.pixel(kArea.right() - b, kArea.bottom() - b), Green);
    bool redOnEdge = false;
    for (int x = kArea.left(); x <= kArea.right(); ++x)
        redOnEdge |= frame.pixel(x, kArea.top()) == Red;
    QVERIFY(redOnEdge);
    for (int x = kArea.left(); x <= kArea.right(); ++x)
        QVERIFY(frame.pixel(x, kArea.top()) == Red || frame.pixel(x, kArea.top()) == Black);

    // Switching the border off makes room for the content at the edge.
    m_area->SetEnable(false);
    QVERIFY(StepUntil([&] { return At(kArea.left(), kArea.top()) == Green; }, 5));
}

void TestFrameRender::borderSteps_data()
{
    QTest::addColumn<int>("effect");
    QTest::newRow("rotate") << int(KBorderPainter::Rotate);
    QTest::newRow("twinkle") << int(KBorderPainter::Twinkle);
    QTest::newRow("static") << int(KBorderPainter::Static);
}

void TestFrameRender::borderSteps()
{
    QFETCH(int, effect);
    const QStringList patterns = KFrame::ImageList(KFrame::Tricolor);
    const QString resource = patterns.value(patterns.size() / 2);
    KBorderPainter painter;
    QVERIFY(painter.Load(resource, QColor(), effect, 15));
    const int t = painter.Thickness();
    const QSize size(100, 60);
    const QImage first = painter.Draw(size, 0);
    const QImage second = painter.Draw(size, 1);
    QCOMPARE(first.size(), size);
    // The inside is always see-through.
    QCOMPARE(qAlpha(first.pixel(50, 30)), 0);
    QCOMPARE(qAlpha(first.pixel(t, t)), 0);
    QCOMPARE(qAlpha(first.pixel(0, 0)), 255);

    const QImage top0 = first.copy(0, 0, size.width(), t);
    const QImage top1 = second.copy(0, 0, size.width(), t);
    switch (effect) {
    case KBorderPainter::Rotate:
        // The top edge runs right by one pixel per step, the bottom edge left, the sides
        // down on the right and up on the left.
        QCOMPARE(top1.copy(1, 0, size.width() - 1, t), top0.copy(0, 0, size.width() - 1, t));
        QCOMPARE(second.copy(0, size.height() - t, size.width() - 1, t),
                 first.copy(1, size.height() - t, size.width() - 1, t));
        QCOMPARE(second.copy(size.width() - t, t + 1, t, size.height() - 2 * t - 1),
                 first.copy(size.width() - t, t, t, size.height() - 2 * t - 1));
        QCOMPARE(second.copy(0, t, t, size.height() - 2 * t - 1),
                 first.copy(0, t + 1, t, size.height() - 2 * t - 1));
        QVERIFY(painter.Animated());
        break;
    case KBorderPainter::Twinkle:
        // Every other step the border is dark.
        for (int x = 0; x < size.width(); ++x)
            QCOMPARE(second.pixel(x, 0), Black);
        QCOMPARE(painter.Draw(size, 2), first);
        QVERIFY(painter.Animated());
        break;
    default:
        QCOMPARE(second, first);
        QVERIFY(!painter.Animated());
        break;
    }
    // Faster speeds step more often.
    QVERIFY(KBorderPainter::Interval(effect, 15) < KBorderPainter::Interval(effect, 0));
    // Too small for the border: nothing is drawn.
    const QImage tiny = painter.Draw(QSize(2 * t - 1, 40), 0);
    QCOMPARE(qAlpha(tiny.pixel(0, 0)), 0);
}

void TestFrameRender::programBackground_data()
{
    QTest::addColumn<bool>("picture");
    QTest::newRow("colour") << false;
    QTest::newRow("picture") << true;
}

void TestFrameRender::programBackground()
{
    QFETCH(bool, picture);
    m_program->SetType(2);
    m_program->SetPurityIndex(0);
    m_program->SetPurityColor(int(qint32(White)));
    m_program->SetEffect(KBorderPainter::Static);
    m_program->SetEnable(true);
    const int b = m_program->FrameHeight();
    if (picture) {
        m_program->SetBgMode(KSceneNode::BG_IMAGE);
        m_program->SetBgImage(Png("blue.png", Blue));
    } else {
        m_program->SetBgMode(KSceneNode::BG_COLOR);
        m_program->SetBgColor(QColor::fromRgb(Blue));
    }
    IFrameRender* program = Render(m_program);
    QVERIFY(program);
    program->Start();
    QVERIFY(program->IsPlayFinish()); // it plays nothing
    // An area above the background.
    AddPicture(Png("red.png", Red), 100);
    IFrameRender* area = Render(m_area);
    area->Start();
    area->SetLayer(1);

    const QImage frame = (At(0, 0), CaptureRenderFrame());
    QCOMPARE(frame.pixel(kScreen.width() - b - 1, kScreen.height() - b - 1), Blue);
    QCOMPARE(frame.pixel(kArea.center()), Red);
    bool whiteOnEdge = false;
    for (int x = 0; x < kScreen.width(); ++x)
        whiteOnEdge |= frame.pixel(x, 0) == White;
    QVERIFY(whiteOnEdge);

    // A change of the program shows at once.
    m_program->SetBgMode(KSceneNode::BG_COLOR);
    m_program->SetBgColor(QColor::fromRgb(Green));
    QVERIFY(StepUntil([&] { return At(b + 1, b + 1) == Green; }, 5));
    program->Stop();
    QCOMPARE(At(b + 1, b + 1), Black);
}

KESTROVA_TEST_MAIN(TestFrameRender)
#include "tst_framerender.moc"
