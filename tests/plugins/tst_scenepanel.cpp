#include "inodeclient.h"
#include "kcontrollernode.h"
#include "kframe.h"
#include "kpluginmanager.h"
#include "kprompt.h"
#include "kscenenode.h"
#include "ktestmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

#include <memory>

using namespace Ky;

namespace {
const QString kProgram = QStringLiteral("KY_OrdinaryScene_Plugin");
} // namespace

// The program panel, as the host gets it: through the plug-in manager, bound to a program.
class TestScenePanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void cleanupTestCase() { KPluginManager::Destroy(); }

    void showsTheBoundProgram();
    void editsReachTheProgram();
    void followsChangesMadeElsewhere();
    void backgroundColourAndPicture();
    void border();
    void rebindingLeavesThePreviousProgramAlone();

private:
    KSceneNode* NewProgram();
    template <class T> T* Find(const char* name)
    {
        T* child = m_panel ? m_panel->findChild<T*>(QLatin1String(name)) : nullptr;
        if (!child)
            qWarning("no %s", name);
        return child;
    }

    std::unique_ptr<KControllerNode> m_screen;
    KSceneNode* m_program = nullptr;
    QWidget* m_panel = nullptr;
};

KSceneNode* TestScenePanel::NewProgram()
{
    auto* program = qobject_cast<KSceneNode*>(KPluginManager::instance()->Create(kProgram));
    m_screen->AddChild(program);
    return program;
}

void TestScenePanel::init()
{
    Prompt::Reset();
    m_screen = std::make_unique<KControllerNode>();
    m_screen->SetSize(QSize(128, 64), QSize(0, 0));
    m_program = NewProgram();
    QVERIFY(m_program);
    INodeClient* client = KPluginManager::instance()->GetClient(m_program);
    QVERIFY(client);
    m_panel = client->ClientWidget();
}

void TestScenePanel::cleanup()
{
    Test::SaveScreenshot(m_panel, QStringLiteral("scene_panel"));
    KPluginManager::instance()->GetClient(m_program)->SetNode(nullptr);
    m_screen.reset();
    m_panel = nullptr;
}

void TestScenePanel::showsTheBoundProgram()
{
    KSceneNode* other = NewProgram();
    other->SetPlayMode(KSceneNode::PLAY_FIXED_TIME);
    other->SetPlayeTime(3725);
    other->SetPlayTimes(4);
    other->SetBgMode(KSceneNode::BG_IMAGE);
    other->SetBgImage(QStringLiteral("/pictures/sky.png"));
    other->SetAlpha(200);
    other->SetSpaceStartTime(QTime(8, 30));
    other->SetSpaceStopTime(QTime(17, 45, 10));
    other->SetAttribute(QStringLiteral("Wednesday"), 1);
    other->SetAttribute(QStringLiteral("Sunday"), 1);
    other->SetAttribute(QStringLiteral("UseSpacifiled"), 1);
    other->SetDateEnable(12, QStringLiteral("1"));
    KPluginManager::instance()->GetClient(other);

    QCOMPARE(Find<QComboBox>("PlayMode")->currentIndex(), int(KSceneNode::PLAY_FIXED_TIME));
    QCOMPARE(Find<QTimeEdit>("PlayeTime")->time(), QTime(1, 2, 5));
    QVERIFY(Find<QTimeEdit>("PlayeTime")->isEnabled());
    QVERIFY(!Find<QSpinBox>("PlayTimes")->isEnabled());
    QCOMPARE(Find<QComboBox>("BgMode")->currentIndex(), int(KSceneNode::BG_IMAGE));
    QCOMPARE(Find<QLineEdit>("BgImage")->text(), QStringLiteral("/pictures/sky.png"));
    QVERIFY(!Find<QPushButton>("BgColor")->isEnabled());
    QCOMPARE(Find<QSpinBox>("Alpha")->value(), 200);
    QCOMPARE(Find<QTimeEdit>("SpaceStartTime")->time(), QTime(8, 30));
    QCOMPARE(Find<QTimeEdit>("SpaceStopTime")->time(), QTime(17, 45, 10));
    QVERIFY(Find<QCheckBox>("Wednesday")->isChecked());
    QVERIFY(Find<QCheckBox>("Sunday")->isChecked());
    QVERIFY(!Find<QCheckBox>("Monday")->isChecked());
    QVERIFY(Find<QGroupBox>("UseSpacifiled")->isChecked());
    QVERIFY(Find<QCheckBox>("Month_12")->isChecked());
    QVERIFY(!Find<QCheckBox>("Month_1")->isChecked());
    // Showing a program writes nothing back.
    QCOMPARE(other->GetPlayTimes(), 4);
    QCOMPARE(other->GetAttribute(QStringLiteral("Monday")), QString());
}

void TestScenePanel::editsReachTheProgram()
{
    Find<QComboBox>("PlayMode")->setCurrentIndex(KSceneNode::PLAY_FIXED_TIME);
    QCOMPARE(m_program->GetAttribute(QStringLiteral("PlayMode")), QStringLiteral("FixedTime"));
    Find<QTimeEdit>("PlayeTime")->setTime(QTime(0, 1, 30));
    QCOMPARE(m_program->GetFixedTime(), 90);
    Find<QComboBox>("PlayMode")->setCurrentIndex(KSceneNode::PLAY_LOOP);
    QCOMPARE(m_program->GetAttribute(QStringLiteral("PlayMode")), QStringLiteral("LoopTime"));
    Find<QSpinBox>("PlayTimes")->setValue(3);
    QCOMPARE(m_program->GetPlayTimes(), 3);

    Find<QSpinBox>("Alpha")->setValue(128);
    QCOMPARE(m_program->Alpha(), 128);
    Find<QTimeEdit>("SpaceStartTime")->setTime(QTime(6, 0));
    Find<QTimeEdit>("SpaceStopTime")->setTime(QTime(22, 15));
    QCOMPARE(m_program->GetAttribute(QStringLiteral("SpaceStartTime")), QStringLiteral("06:00:00"));
    QCOMPARE(m_program->GetAttribute(QStringLiteral("SpaceStopTime")), QStringLiteral("22:15:00"));
    Find<QCheckBox>("Saturday")->setChecked(true);
    QCOMPARE(m_program->GetWeekCheck(5), 1);
    Find<QCheckBox>("Saturday")->setChecked(false);
    QCOMPARE(m_program->GetAttribute(QStringLiteral("Saturday")), QStringLiteral("0"));
    Find<QGroupBox>("UseSpacifiled")->setChecked(true);
    QCOMPARE(m_program->GetUseSpacifiled(), 1);
    Find<QCheckBox>("Month_3")->setChecked(true);
    QCOMPARE(m_program->GetDateEnable(3), QStringLiteral("1"));
    Find<QCheckBox>("Month_3")->setChecked(false);
    QCOMPARE(m_program->GetDateEnable(3), QStringLiteral("0"));
    QCOMPARE(m_program->GetDateEnable(4), QString());
}

void TestScenePanel::followsChangesMadeElsewhere()
{
    m_program->SetAlpha(77);
    QCOMPARE(Find<QSpinBox>("Alpha")->value(), 77);
    m_program->SetPlayMode(KSceneNode::PLAY_FIXED_TIME);
    QCOMPARE(Find<QComboBox>("PlayMode")->currentIndex(), 1);
    QVERIFY(!Find<QSpinBox>("PlayTimes")->isEnabled());
    m_program->SetAttribute(QStringLiteral("Friday"), 1);
    QVERIFY(Find<QCheckBox>("Friday")->isChecked());
    m_program->SetBgMode(KSceneNode::BG_COLOR);
    m_program->SetBgColor(QColor(10, 20, 30));
    QCOMPARE(qobject_cast<QPushButton*>(Find<QPushButton>("BgColor"))->toolTip(),
             QStringLiteral("#0a141e"));
}

void TestScenePanel::backgroundColourAndPicture()
{
    m_program->SetBgMode(KSceneNode::BG_COLOR);
    auto* colour = Find<QPushButton>("BgColor");
    QVERIFY(colour->isEnabled());
    Prompt::Script(QColor(200, 100, 50));
    colour->click();
    QCOMPARE(m_program->BgColor(), QColor(200, 100, 50));
    colour->click(); // nothing scripted: the chooser was cancelled
    QCOMPARE(m_program->BgColor(), QColor(200, 100, 50));
    QCOMPARE(Prompt::Records().size(), 2);
    QCOMPARE(Prompt::Records().at(0).kind, Prompt::Kind::Color);

    Find<QComboBox>("BgMode")->setCurrentIndex(KSceneNode::BG_IMAGE);
    QCOMPARE(m_program->BgMode(), int(KSceneNode::BG_IMAGE));
    QVERIFY(!colour->isEnabled());
    auto* browse = Find<QPushButton>("BgImageBrowse");
    Prompt::Script(QStringLiteral("/media/back.jpg"));
    browse->click();
    QCOMPARE(m_program->GetFilePath(QStringLiteral("BgImage")),
             QStringList{QStringLiteral("/media/back.jpg")});
    QCOMPARE(Find<QLineEdit>("BgImage")->text(), QStringLiteral("/media/back.jpg"));
    browse->click(); // cancelled: the picture stays
    QCOMPARE(m_program->GetFirstFile(QStringLiteral("BgImage")), QStringLiteral("/media/back.jpg"));
    const Prompt::Record asked = Prompt::Records().last();
    QCOMPARE(asked.kind, Prompt::Kind::OpenFile);
    QCOMPARE(asked.text, QStringLiteral("/media")); // starts beside the current picture
    QVERIFY(asked.filter.contains(QLatin1String("*.png")));
}

void TestScenePanel::border()
{
    auto* group = Find<QGroupBox>("Border");
    auto* family = Find<QComboBox>("FrameType");
    auto* pattern = Find<QComboBox>("FramePattern");
    auto* colour = Find<QPushButton>("PurityColor");
    QVERIFY(!group->isChecked());

    group->setChecked(true);
    QVERIFY(m_program->Enable());
    QCOMPARE(pattern->count(), KFrame::MotleyImageList().size());
    pattern->setCurrentIndex(20);
    QCOMPARE(m_program->MotleyIndex(), 20);
    QVERIFY(!colour->isEnabled());

    family->setCurrentIndex(KFrame::Purity);
    QCOMPARE(m_program->FrameType(), int(KFrame::Purity));
    QCOMPARE(pattern->count(), KFrame::PurityImageList().size());
    QCOMPARE(pattern->currentIndex(), m_program->PurityIndex());
    QVERIFY(colour->isEnabled());
    pattern->setCurrentIndex(3);
    QCOMPARE(m_program->PurityIndex(), 3);
    QCOMPARE(m_program->MotleyIndex(), 20); // each family keeps its own choice
    Prompt::Script(QColor(Qt::green));
    colour->click();
    QCOMPARE(QColor::fromRgba(quint32(m_program->PurityColor())), QColor(Qt::green));

    auto* effect = Find<QComboBox>("FrameEffect");
    QCOMPARE(effect->count(), KFrame::EffectList().size());
    effect->setCurrentIndex(2);
    QCOMPARE(m_program->Effect(), 2);
    Find<QSpinBox>("FrameSpeed")->setValue(5);
    QCOMPARE(m_program->Speed(), 5);

    // The screen shrinks below what the border leaves room for: the program drops it.
    m_program->SetEnable(false);
    QVERIFY(!group->isChecked());
    m_program->SetType(KFrame::Tricolor);
    QCOMPARE(family->currentIndex(), int(KFrame::Tricolor));
    QCOMPARE(pattern->count(), KFrame::TricolorImageList().size());
}

void TestScenePanel::rebindingLeavesThePreviousProgramAlone()
{
    KSceneNode* first = m_program;
    KSceneNode* second = NewProgram();
    first->SetAlpha(10);
    second->SetAlpha(20);
    KPluginManager::instance()->GetClient(second);
    QCOMPARE(Find<QSpinBox>("Alpha")->value(), 20);

    Find<QSpinBox>("Alpha")->setValue(30);
    Find<QGroupBox>("Border")->setChecked(true);
    QCOMPARE(second->Alpha(), 30);
    QCOMPARE(first->Alpha(), 10);
    QVERIFY(!first->Enable());
    first->SetAlpha(99); // the panel no longer listens to the first program
    QCOMPARE(Find<QSpinBox>("Alpha")->value(), 30);

    // The bound program goes away: the panel must not touch it afterwards.
    m_screen->RemoveChild(second);
    delete second;
    Find<QSpinBox>("Alpha")->setValue(40);
    Find<QGroupBox>("Border")->setChecked(false);
    QCOMPARE(first->Alpha(), 99);
}

KESTROVA_TEST_MAIN(TestScenePanel)
#include "tst_scenepanel.moc"
