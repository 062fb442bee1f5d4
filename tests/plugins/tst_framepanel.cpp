#include "inodeclient.h"
#include "kcontrollernode.h"
#include "kframenode.h"
#include "kpluginmanager.h"
#include "kscenenode.h"
#include "ktestmain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>

#include <memory>

using namespace Ky;

// The area panel, through the plug-in manager: a 200 x 100 screen whose program has a
// 2-pixel border, and an area at (10, 10) of 50 x 40.
class TestFramePanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase() { KPluginManager::Destroy(); }

    void editsGoThroughTheAreasCorrections_data();
    void editsGoThroughTheAreasCorrections();
    void lockedAreaKeepsItsSize();
    void followsChangesMadeElsewhere();
    void borderOfTheArea();

private:
    QSpinBox* Spin(const char* name) { return m_panel->findChild<QSpinBox*>(QLatin1String(name)); }

    std::unique_ptr<KControllerNode> m_screen;
    KSceneNode* m_program = nullptr;
    KFrameNode* m_area = nullptr;
    QWidget* m_panel = nullptr;
};

void TestFramePanel::init()
{
    KPluginManager* manager = KPluginManager::instance();
    m_screen.reset(qobject_cast<KControllerNode*>(manager->Create("KY_Screen_Plugin")));
    m_program = qobject_cast<KSceneNode*>(manager->Create("KY_OrdinaryScene_Plugin"));
    m_area = qobject_cast<KFrameNode*>(manager->Create("KY_Frame_Plugin"));
    QVERIFY(m_screen && m_program && m_area);
    m_screen->SetSize(QSize(200, 100), QSize(0, 0));
    m_screen->AddChild(m_program);
    m_program->AddChild(m_area);
    // Multicolour patterns of height 2 start after the nine of height 1.
    m_program->SetType(0);
    m_program->SetMotleyIndex(9);
    m_program->SetEnable(true);
    QCOMPARE(m_program->FrameHeight(), 2);
    m_area->SetRect(QRect(10, 10, 50, 40));
    INodeClient* client = manager->GetClient(m_area);
    QVERIFY(client);
    m_panel = client->ClientWidget();
    QVERIFY(Spin("X") && Spin("Y") && Spin("Width") && Spin("Height") && Spin("Alpha"));
}

void TestFramePanel::cleanup()
{
    Test::SaveScreenshot(m_panel, QStringLiteral("frame_panel"));
    KPluginManager::instance()->GetClient(m_area)->SetNode(nullptr);
    m_screen.reset();
}

void TestFramePanel::editsGoThroughTheAreasCorrections_data()
{
    QTest::addColumn<QRect>("start");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QRect>("expected");
    const QRect start(10, 10, 50, 40);
    QTest::newRow("x inside") << start << "X" << 30 << QRect(30, 10, 50, 40);
    QTest::newRow("x past the right border") << start << "X" << 190 << QRect(148, 10, 50, 40);
    QTest::newRow("x onto the left border") << start << "X" << 1 << QRect(2, 10, 50, 40);
    QTest::newRow("y past the bottom border") << start << "Y" << 90 << QRect(10, 58, 50, 40);
    QTest::newRow("width inside") << start << "Width" << 120 << QRect(10, 10, 120, 40);
    QTest::newRow("width past the border") << start << "Width" << 500 << QRect(10, 10, 188, 40);
    QTest::newRow("height past the border") << start << "Height" << 95 << QRect(10, 10, 50, 88);
    // The corrected value equals the stored one, so the area announces nothing.
    QTest::newRow("x at the edge, pushed further") << QRect(148, 10, 50, 40) << "X" << 170
                                                   << QRect(148, 10, 50, 40);
    QTest::newRow("full width, made wider") << QRect(2, 2, 196, 96) << "Width" << 300
                                            << QRect(2, 2, 196, 96);
}

void TestFramePanel::editsGoThroughTheAreasCorrections()
{
    QFETCH(QRect, start);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QRect, expected);

    m_area->SetRect(start);
    QSpinBox* spin = Spin(qPrintable(field));
    spin->setValue(value);
    QCOMPARE(m_area->Rect(), expected);
    // The box shows the corrected value.
    QCOMPARE((QRect(Spin("X")->value(), Spin("Y")->value(), Spin("Width")->value(),
                    Spin("Height")->value())),
             expected);
}

void TestFramePanel::lockedAreaKeepsItsSize()
{
    auto* lock = m_panel->findChild<QCheckBox*>(QStringLiteral("LockArea"));
    QVERIFY(lock);
    lock->setChecked(true);
    QVERIFY(m_area->LockArea());
    QVERIFY(!Spin("Width")->isEnabled());

    Spin("Width")->setValue(120);
    QCOMPARE(m_area->Width(), 50);
    QCOMPARE(Spin("Width")->value(), 50);
    Spin("X")->setValue(20); // the position stays free
    QCOMPARE(m_area->X(), 20);

    lock->setChecked(false);
    QVERIFY(Spin("Width")->isEnabled());
    Spin("Width")->setValue(120);
    QCOMPARE(m_area->Width(), 120);
}

void TestFramePanel::followsChangesMadeElsewhere()
{
    m_area->SetRect(QRect(4, 6, 80, 30));
    QCOMPARE(Spin("X")->value(), 4);
    QCOMPARE(Spin("Y")->value(), 6);
    QCOMPARE(Spin("Width")->value(), 80);
    QCOMPARE(Spin("Height")->value(), 30);
    m_area->SetAlpha(33);
    QCOMPARE(Spin("Alpha")->value(), 33);
    Spin("Alpha")->setValue(250);
    QCOMPARE(m_area->Alpha(), 250);

    // A resized screen rescales the area; the panel follows.
    m_screen->SetSize(QSize(400, 200), QSize(200, 100));
    QCOMPARE(Spin("Width")->value(), m_area->Width());
    QCOMPARE(Spin("X")->value(), 8);

    // The controller changes to one whose media are prepared per area: the area locks.
    m_screen->SetDeviceModel(QStringLiteral("N5"));
    m_screen->ControllerChange();
    QVERIFY(m_panel->findChild<QCheckBox*>(QStringLiteral("LockArea"))->isChecked());
}

void TestFramePanel::borderOfTheArea()
{
    auto* group = m_panel->findChild<QGroupBox*>(QStringLiteral("Border"));
    QVERIFY(group);
    group->setChecked(true);
    QVERIFY(m_area->Enable());
    QVERIFY(m_program->Enable()); // the program keeps its own border
    // Too small for a border: the area drops it and the panel shows that.
    m_area->SetSize(QSize(8, 8));
    QVERIFY(!m_area->Enable());
    QVERIFY(!group->isChecked());
}

KESTROVA_TEST_MAIN(TestFramePanel)
#include "tst_framepanel.moc"
