#include "kcontrollernode.h"
#include "kframenode.h"
#include "kscenenode.h"
#include "ktexteffectnode.h"
#include "ktestmain.h"

#include <QSignalSpy>

using namespace Ky;

namespace {

// Positions in the multicolour list where each pattern height starts (9 of height 1,
// 7 of height 2, then 9 per height).
constexpr int kMotleyHeight2 = 9;
constexpr int kMotleyHeight4 = 25;

// A screen with one program and one area; the program border is `border` pixels thick.
struct Fixture
{
    KControllerNode* screen = new KControllerNode;
    KSceneNode* program = new KSceneNode;
    KFrameNode* area = new KFrameNode;

    Fixture(QSize screenSize, int border, QRect rect)
    {
        screen->SetSize(screenSize, QSize(0, 0));
        screen->AddChild(program);
        program->AddChild(area);
        SetBorder(program, border);
        area->SetRect(rect);
    }
    ~Fixture() { delete screen; }

    static void SetBorder(KFrame* frame, int height)
    {
        if (height == 0) {
            frame->SetEnable(false);
            return;
        }
        frame->SetType(KFrame::Motley);
        frame->SetMotleyIndex(height == 2 ? kMotleyHeight2 : kMotleyHeight4);
        frame->SetEnable(true);
        QCOMPARE(frame->FrameHeight(), height);
    }
};

} // namespace

class TestKFrame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void imageListsFollowTheResources();
    void patternHeights_data();
    void patternHeights();
    void enableSignals();
    void typeChangeAnnouncesHeightOnlyWhenItDiffers();
    void effectList();

    void programDuration_data();
    void programDuration();
    void programSettings();
    void programContentSize();

    void areaCorrection_data();
    void areaCorrection();
    void areaWithoutScreen();
    void areaLockRefusesSizeChanges();
    void areaSetPosAlwaysAnnounces();
    void areaScaling_data();
    void areaScaling();
    void areaFollowsGrowingProgramBorder();
    void areaLosesBorderWhenTooSmall();
    void contentsHearContentSize();
};

void TestKFrame::imageListsFollowTheResources()
{
    const QStringList motley = KFrame::ImageList(KFrame::Motley);
    QCOMPARE(motley.size(), 70);
    QCOMPARE(KFrame::ImageList(KFrame::Tricolor).size(), 109);
    QCOMPARE(KFrame::ImageList(KFrame::Purity).size(), 104);
    QCOMPARE(KFrame::ImageList(7), motley); // unknown families fall back to multicolour
    QCOMPARE(KFrame::MotleyImageList(), motley);
    // Ordered by height, then pattern number, with the gaps left out.
    QCOMPARE(motley.at(0), QStringLiteral(":/images/M1_0.bmp"));
    QCOMPARE(motley.at(kMotleyHeight2), QStringLiteral(":/images/M2_0.bmp"));
    QCOMPARE(motley.at(kMotleyHeight2 + 3), QStringLiteral(":/images/M2_5.bmp"));
    QCOMPARE(KFrame::TricolorImageList().at(11), QStringLiteral(":/images/T2_0.bmp"));
    QCOMPARE(KFrame::TricolorImageList().last(), QStringLiteral(":/images/T8_7.bmp"));
    QCOMPARE(KFrame::PurityImageList().last(), QStringLiteral(":/images/P8_5.bmp"));
}

void TestKFrame::patternHeights_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("height");
    QTest::newRow("motley first") << 0 << 0 << 1;
    QTest::newRow("motley height 2") << 0 << kMotleyHeight2 << 2;
    QTest::newRow("motley last") << 0 << 69 << 8;
    QTest::newRow("tricolor height 2") << 1 << 11 << 2;
    QTest::newRow("tricolor last") << 1 << 108 << 8;
    QTest::newRow("purity height 5") << 2 << 10 + 10 + 15 + 11 << 5;
    QTest::newRow("unknown type reads motley") << 9 << kMotleyHeight2 << 2;
    QTest::newRow("index past the list") << 1 << 109 << 0;
    QTest::newRow("negative index") << 2 << -1 << 0;
}

void TestKFrame::patternHeights()
{
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(int, height);
    KFrame frame;
    frame.SetMotleyIndex(index);
    frame.SetTricolorIndex(index);
    frame.SetPurityIndex(index);
    frame.SetType(type);
    QCOMPARE(frame.Type2Height(type), height);
    QCOMPARE(frame.Type2Image(type).isEmpty(), height == 0);
    QCOMPARE(frame.FrameHeight(), 0); // off until enabled
    frame.SetEnable(true);
    QCOMPARE(frame.FrameHeight(), height);
}

void TestKFrame::enableSignals()
{
    KFrame frame;
    frame.SetMotleyIndex(kMotleyHeight2);
    QSignalSpy heights(&frame, &KFrame::FrameHeightChanged);
    QSignalSpy changes(&frame, &KFrame::FrameChanged);
    frame.SetEnable(false); // already off
    QCOMPARE(changes.count(), 0);
    frame.SetEnable(true);
    frame.SetEnable(true);
    QCOMPARE(heights.count(), 1);
    QCOMPARE(heights.at(0), (QVariantList{2, 0}));
    frame.SetEnable(false);
    QCOMPARE(heights.count(), 2);
    QCOMPARE(heights.at(1), (QVariantList{0, 2}));
    QCOMPARE(changes.count(), 2);
}

void TestKFrame::typeChangeAnnouncesHeightOnlyWhenItDiffers()
{
    KFrame frame;
    frame.SetMotleyIndex(0);   // height 1
    frame.SetTricolorIndex(0); // height 1
    frame.SetPurityIndex(11);  // height 2
    QSignalSpy heights(&frame, &KFrame::FrameHeightChanged);
    QSignalSpy changes(&frame, &KFrame::FrameChanged);
    frame.SetType(KFrame::Tricolor);
    QCOMPARE(heights.count(), 0);
    frame.SetType(KFrame::Purity);
    QCOMPARE(heights.count(), 1);
    QCOMPARE(heights.at(0), (QVariantList{2, 1}));
    frame.SetPurityIndex(12); // still height 2
    QCOMPARE(heights.count(), 1);
    QCOMPARE(changes.count(), 3);
    frame.SetSpeed(3);
    frame.SetEffect(1);
    frame.SetPurityColor(0xff0000);
    QCOMPARE(changes.count(), 6);
    QCOMPARE(frame.Speed(), 3);
    QCOMPARE(frame.Effect(), 1);
}

void TestKFrame::effectList()
{
    QCOMPARE(KFrame::EffectList(),
             QStringList({QStringLiteral("Rotate"), QStringLiteral("Twinkle"),
                          QStringLiteral("Static")}));
}

void TestKFrame::programDuration_data()
{
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("times");
    QTest::addColumn<QList<int>>("areaSeconds");
    QTest::addColumn<int>("expected");
    QTest::newRow("fixed time") << true << 30 << 5 << QList<int>{100} << 30000;
    QTest::newRow("loop: longest area times passes") << false << 30 << 2 << QList<int>{10, 25}
                                                     << 50000;
    QTest::newRow("loop without areas") << false << 30 << 2 << QList<int>{} << 0;
}

void TestKFrame::programDuration()
{
    QFETCH(bool, fixed);
    QFETCH(int, seconds);
    QFETCH(int, times);
    QFETCH(QList<int>, areaSeconds);
    QFETCH(int, expected);

    // An area lasts as long as its contents one after another.
    class Timed : public KContentNode
    {
    public:
        explicit Timed(int ms) : m_ms(ms) {}
        int Duration() override { return m_ms; }

    private:
        int m_ms;
    };

    KSceneNode program;
    program.SetPlayMode(fixed ? KSceneNode::PLAY_FIXED_TIME : KSceneNode::PLAY_LOOP);
    program.SetPlayeTime(seconds);
    program.SetPlayTimes(times);
    for (int s : areaSeconds) {
        auto* area = new KFrameNode;
        area->AddChild(new Timed(s * 400));
        area->AddChild(new Timed(s * 600));
        program.AddChild(area);
    }
    QCOMPARE(program.Duration(), expected);
}

void TestKFrame::programSettings()
{
    KSceneNode program;
    QCOMPARE(program.PlayMode(), int(KSceneNode::PLAY_LOOP));
    program.SetPlayMode(KSceneNode::PLAY_FIXED_TIME);
    QCOMPARE(program.GetAttribute(QStringLiteral("PlayMode")), QStringLiteral("FixedTime"));
    program.SetPlayMode(7);
    QCOMPARE(program.GetAttribute(QStringLiteral("PlayMode")), QStringLiteral("LoopTime"));
    program.SetFixedTime(QTime(1, 2, 3));
    QCOMPARE(program.PlayeTime(), 3723);

    QSignalSpy modeSpy(&program, &KSceneNode::BgModeChanged);
    program.SetBgMode(KSceneNode::BG_IMAGE);
    QCOMPARE(program.BgMode(), int(KSceneNode::BG_IMAGE));
    program.SetBgMode(5);
    QCOMPARE(program.GetAttribute(QStringLiteral("BgMode")), QStringLiteral("BgColor"));
    QCOMPARE(modeSpy.count(), 2);

    program.SetBgColor(QColor(0x12, 0x34, 0x56, 0x80));
    QCOMPARE(program.GetAttributeToInt(QStringLiteral("BgColor")), 0x80123456);
    QCOMPARE(program.BgColor(), QColor(0x12, 0x34, 0x56)); // opaque whatever was stored
    program.SetBgColor(QColor(0xff, 0xff, 0xff));
    QCOMPARE(program.GetAttributeToInt(QStringLiteral("BgColor")), -1);

    program.SetBgImage(QStringLiteral("/a.png"));
    program.SetBgImage(QStringLiteral("/b.png"));
    QCOMPARE(program.GetFilePath(QStringLiteral("BgImage")), QStringList{"/b.png"});

    program.SetAttribute(QStringLiteral("Sunday"), 1);
    QCOMPARE(program.GetWeekCheck(6), 1);
    QCOMPARE(program.GetWeekCheck(7), 0);
    QCOMPARE(program.GetWeekCheck(-1), 0);
    program.SetSpaceStartTime(QTime(8, 0));
    QCOMPARE(program.GetAttribute(QStringLiteral("SpaceStartTime")), QStringLiteral("08:00:00"));
    QVERIFY(!program.GlobalScene());
}

void TestKFrame::programContentSize()
{
    KSceneNode lonely;
    QCOMPARE(lonely.Size(), QSize(0, 0));
    QCOMPARE(lonely.ContentSize(), QSize(0, 0));
    Fixture f(QSize(64, 32), 2, QRect(2, 2, 60, 28));
    QCOMPARE(f.program->Size(), QSize(64, 32));
    QCOMPARE(f.program->ContentSize(), QSize(60, 28));
    QCOMPARE(f.area->MaxSize(), QSize(60, 28));
    QCOMPARE(f.area->SceneFrameHeight(), 2);
}

void TestKFrame::areaCorrection_data()
{
    // Screen 100 x 50 with a program border of 2; the area starts at (10, 10, 20, 10).
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<int>("posSignals");
    QTest::addColumn<int>("sizeSignals");
    QTest::newRow("x past the right edge") << "x" << 90 << QRect(78, 10, 20, 10) << 1 << 0;
    QTest::newRow("x inside the border") << "x" << 0 << QRect(2, 10, 20, 10) << 1 << 0;
    QTest::newRow("x unchanged") << "x" << 10 << QRect(10, 10, 20, 10) << 0 << 0;
    QTest::newRow("y past the bottom") << "y" << 45 << QRect(10, 38, 20, 10) << 1 << 0;
    QTest::newRow("width past the edge") << "width" << 200 << QRect(10, 10, 88, 10) << 0 << 1;
    QTest::newRow("width unchanged") << "width" << 20 << QRect(10, 10, 20, 10) << 0 << 0;
    QTest::newRow("height past the edge") << "height" << 99 << QRect(10, 10, 20, 38) << 0 << 1;
    QTest::newRow("size") << "size" << 500 << QRect(10, 10, 88, 38) << 0 << 1;
}

void TestKFrame::areaCorrection()
{
    QFETCH(QString, setter);
    QFETCH(int, value);
    QFETCH(QRect, expected);
    QFETCH(int, posSignals);
    QFETCH(int, sizeSignals);
    Fixture f(QSize(100, 50), 2, QRect(10, 10, 20, 10));
    QSignalSpy pos(f.area, &KFrameNode::PosChanged);
    QSignalSpy size(f.area, &KFrameNode::SizeChanged);
    if (setter == QLatin1String("x"))
        f.area->SetX(value);
    else if (setter == QLatin1String("y"))
        f.area->SetY(value);
    else if (setter == QLatin1String("width"))
        f.area->SetWidth(value);
    else if (setter == QLatin1String("height"))
        f.area->SetHeight(value);
    else
        f.area->SetSize(QSize(value, value));
    QCOMPARE(f.area->Rect(), expected);
    QCOMPARE(pos.count(), posSignals);
    QCOMPARE(size.count(), sizeSignals);
    if (sizeSignals)
        QCOMPARE(size.at(0), (QVariantList{expected.width(), expected.height()}));
}

void TestKFrame::areaWithoutScreen()
{
    KFrameNode area;
    area.SetX(-5);
    QCOMPARE(area.X(), 0); // a negative position is always clamped
    area.SetWidth(500);
    QCOMPARE(area.Width(), 500);
    QCOMPARE(area.MaxSize(), QSize(8, 8));
    QCOMPARE(area.MinSize(), QSize(8, 8));
    QCOMPARE(area.SceneFrameHeight(), 0);
    area.ON_SceneFrameChanged(2, 0); // no screen: nothing to fit
    QCOMPARE(area.Rect(), QRect(0, 0, 500, 0));

    // An area wider than the screen cannot be placed right of zero.
    Fixture f(QSize(100, 50), 0, QRect(0, 0, 120, 10));
    f.area->SetX(30);
    QCOMPARE(f.area->X(), 0);
}

void TestKFrame::areaLockRefusesSizeChanges()
{
    Fixture f(QSize(100, 50), 0, QRect(10, 10, 20, 10));
    QSignalSpy locked(f.area, &KFrameNode::AreaLocked);
    f.area->SetLockArea(true);
    QCOMPARE(locked.count(), 1);
    QSignalSpy size(f.area, &KFrameNode::SizeChanged);
    f.area->SetWidth(40);
    f.area->SetHeight(40);
    f.area->SetSize(QSize(40, 40));
    QCOMPARE(f.area->Size(), QSize(20, 10));
    QCOMPARE(size.count(), 3);
    for (const auto& args : size)
        QCOMPARE(args, (QVariantList{20, 10})); // editors fall back to the stored size
    f.area->SetRect(QRect(0, 0, 30, 30)); // no lock check here
    QCOMPARE(f.area->Size(), QSize(30, 30));
}

void TestKFrame::areaSetPosAlwaysAnnounces()
{
    Fixture f(QSize(100, 50), 2, QRect(10, 10, 20, 10));
    QSignalSpy pos(f.area, &KFrameNode::PosChanged);
    f.area->SetPos(QPoint(10, 10));
    f.area->SetPos(QPoint(-3, 99));
    QCOMPARE(pos.count(), 2);
    QCOMPARE(pos.at(1), (QVariantList{2, 38}));
}

void TestKFrame::areaScaling_data()
{
    QTest::addColumn<QSize>("oldScreen");
    QTest::addColumn<QSize>("newScreen");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("double") << QSize(200, 100) << QSize(400, 200) << QRect(10, 10, 100, 50)
                            << QRect(20, 20, 200, 100);
    QTest::newRow("one axis") << QSize(200, 100) << QSize(400, 100) << QRect(100, 50, 100, 50)
                              << QRect(200, 50, 200, 50);
    QTest::newRow("tiny screen keeps 8 x 8") << QSize(200, 100) << QSize(20, 10)
                                             << QRect(150, 80, 40, 20) << QRect(12, 2, 8, 8);
    QTest::newRow("old width 0 keeps that axis") << QSize(0, 100) << QSize(400, 200)
                                                 << QRect(10, 10, 100, 50)
                                                 << QRect(10, 20, 100, 100);
    QTest::newRow("old height 0 keeps that axis") << QSize(200, 0) << QSize(400, 200)
                                                  << QRect(10, 10, 100, 50)
                                                  << QRect(20, 10, 200, 50);
    QTest::newRow("new width 0 changes nothing") << QSize(200, 100) << QSize(0, 200)
                                                 << QRect(10, 10, 100, 50)
                                                 << QRect(10, 10, 100, 50);
}

void TestKFrame::areaScaling()
{
    QFETCH(QSize, oldScreen);
    QFETCH(QSize, newScreen);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);
    Fixture f(oldScreen, 0, area);
    f.screen->SetSize(newScreen, oldScreen);
    QCOMPARE(f.area->Rect(), expected);
}

void TestKFrame::areaFollowsGrowingProgramBorder()
{
    Fixture f(QSize(64, 32), 2, QRect(2, 2, 60, 28));
    f.program->SetMotleyIndex(kMotleyHeight4);
    QCOMPARE(f.program->FrameHeight(), 4);
    QCOMPARE(f.area->Rect(), QRect(4, 4, 56, 24));

    // A thinner border moves an area that touched the old one to the new inner edge; its size
    // stays.
    f.program->SetMotleyIndex(kMotleyHeight2);
    QCOMPARE(f.area->Rect(), QRect(2, 2, 56, 24));
    f.program->SetEnable(false);
    QCOMPARE(f.area->Rect(), QRect(0, 0, 56, 24));

    // An area that exactly fills the inside of the new border is fitted to it.
    f.area->SetRect(QRect(0, 0, 60, 28));
    f.program->SetEnable(true);
    QCOMPARE(f.area->Rect(), QRect(2, 2, 60, 28));
}

void TestKFrame::areaLosesBorderWhenTooSmall()
{
    Fixture f(QSize(100, 50), 0, QRect(0, 0, 20, 20));
    Fixture::SetBorder(f.area, 2);
    f.area->SetWidth(12); // content 8 wide: fits
    QVERIFY(f.area->Enable());
    f.area->SetWidth(11); // content 7 wide: the border goes
    QVERIFY(!f.area->Enable());
    QCOMPARE(f.area->ContentSize(), QSize(11, 20));

    // Shrinking the screen under an area with a border drops it as well.
    Fixture g(QSize(100, 50), 0, QRect(0, 0, 20, 20));
    Fixture::SetBorder(g.area, 4);
    g.screen->SetSize(QSize(50, 25), QSize(100, 50));
    QCOMPARE(g.area->Rect(), QRect(0, 0, 10, 10));
    QVERIFY(!g.area->Enable());
}

void TestKFrame::contentsHearContentSize()
{
    Fixture f(QSize(100, 50), 0, QRect(0, 0, 40, 30));
    auto* text = new KTextEffectNode;
    f.area->AddChild(text);
    text->SetReDrawImage(false);
    QSignalSpy sizes(text, &KTextEffectNode::NodeSizeChange);
    Fixture::SetBorder(f.area, 2);
    f.area->SetWidth(50);
    // The pattern's height change, switching the border on, then the resize.
    QCOMPARE(sizes.count(), 3);
    QCOMPARE(sizes.last().at(0).toSize(), QSize(46, 26));
    QVERIFY(text->GetReDrawImage());
    QCOMPARE(text->Size(), QSize(46, 26));
    QCOMPARE(text->FrameHeight(), 2);
    QCOMPARE(text->Pos(), QPoint(0, 0));
}

KESTROVA_TEST_MAIN(TestKFrame)
#include "tst_kframe.moc"
