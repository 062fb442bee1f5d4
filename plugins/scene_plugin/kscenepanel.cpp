#include "kscenepanel.h"

#include "kborderedit.h"
#include "kcolorbutton.h"
#include "kprompt.h"
#include "kscenenode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <vector>

namespace Ky {

namespace {
const char* const kWeekDayKeys[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
const QString kBgImageKey = QStringLiteral("BgImage");

QTimeEdit* NewTimeEdit(const QString& objectName, QWidget* parent)
{
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(objectName);
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return edit;
}
} // namespace

KScenePanel::KScenePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScenePanel"));

    // Playing.
    auto* play = new QGroupBox(tr("Play"), this);
    m_playMode = new QComboBox(play);
    m_playMode->setObjectName(QStringLiteral("PlayMode"));
    // Item order follows the node's play modes: 0 loop, 1 fixed time.
    m_playMode->addItems({tr("Play the areas a number of times"), tr("Play for a fixed time")});
    m_playTime = NewTimeEdit(QStringLiteral("PlayeTime"), play);
    m_playTimes = new QSpinBox(play);
    m_playTimes->setObjectName(QStringLiteral("PlayTimes"));
    m_playTimes->setRange(1, 9999);
    m_playTimes->setSuffix(tr(" times"));
    auto* playForm = new QFormLayout(play);
    playForm->addRow(tr("Mode:"), m_playMode);
    playForm->addRow(tr("Play time:"), m_playTime);
    playForm->addRow(tr("Passes:"), m_playTimes);

    // Background and opacity.
    auto* background = new QGroupBox(tr("Background"), this);
    m_bgMode = new QComboBox(background);
    m_bgMode->setObjectName(QStringLiteral("BgMode"));
    // Item order follows the node's background modes: 0 picture, 1 colour.
    m_bgMode->addItems({tr("Picture"), tr("Colour")});
    m_bgColor = new KColorButton(background);
    m_bgColor->setObjectName(QStringLiteral("BgColor"));
    m_bgImage = new QLineEdit(background);
    m_bgImage->setObjectName(QStringLiteral("BgImage"));
    m_bgImage->setReadOnly(true);
    m_bgImage->setPlaceholderText(tr("No picture"));
    m_bgBrowse = new QPushButton(tr("Browse..."), background);
    m_bgBrowse->setObjectName(QStringLiteral("BgImageBrowse"));
    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(m_bgImage, 1);
    pictureRow->addWidget(m_bgBrowse);
    m_alpha = new QSpinBox(background);
    m_alpha->setObjectName(QStringLiteral("Alpha"));
    m_alpha->setRange(0, 255);
    auto* bgForm = new QFormLayout(background);
    bgForm->addRow(tr("Mode:"), m_bgMode);
    bgForm->addRow(tr("Colour:"), m_bgColor);
    bgForm->addRow(tr("Picture:"), pictureRow);
    bgForm->addRow(tr("Opacity:"), m_alpha);

    // Schedule.
    auto* schedule = new QGroupBox(tr("Schedule"), this);
    m_startTime = NewTimeEdit(QStringLiteral("SpaceStartTime"), schedule);
    m_stopTime = NewTimeEdit(QStringLiteral("SpaceStopTime"), schedule);
    auto* window = new QHBoxLayout;
    window->addWidget(m_startTime);
    window->addWidget(new QLabel(tr("to"), schedule));
    window->addWidget(m_stopTime);
    window->addStretch();
    const QStringList dayNames = {tr("Mon"), tr("Tue"), tr("Wed"), tr("Thu"),
                                  tr("Fri"), tr("Sat"), tr("Sun")};
    auto* days = new QGridLayout;
    days->setHorizontalSpacing(12);
    for (int day = 0; day < 7; ++day) {
        auto* box = new QCheckBox(dayNames.at(day), schedule);
        box->setObjectName(QLatin1String(kWeekDayKeys[day]));
        days->addWidget(box, day / 4, day % 4);
        connect(box, &QCheckBox::toggled, this,
                [this, day](bool checked) { WriteWeekDay(day, checked); });
        m_weekDays.append(box);
    }
    // Months: "UseSpacifiled" switches the limit on; "Month_<n>" is "1" when month n (1 to 12)
    // may play.
    m_months = new QGroupBox(tr("Only in these months"), schedule);
    m_months->setObjectName(QStringLiteral("UseSpacifiled"));
    m_months->setCheckable(true);
    m_months->setFlat(true);
    auto* months = new QGridLayout(m_months);
    months->setHorizontalSpacing(12);
    for (int month = 1; month <= 12; ++month) {
        auto* box = new QCheckBox(QLocale().monthName(month, QLocale::ShortFormat), m_months);
        box->setObjectName(QStringLiteral("Month_") + QString::number(month));
        months->addWidget(box, (month - 1) / 6, (month - 1) % 6);
        connect(box, &QCheckBox::toggled, this, [this, month](bool checked) {
            if (m_node)
                m_node->SetDateEnable(month, checked ? QStringLiteral("1") : QStringLiteral("0"));
        });
        m_monthBoxes.append(box);
    }
    connect(m_months, &QGroupBox::toggled, this, [this](bool checked) {
        if (m_node)
            m_node->SetAttribute(QStringLiteral("UseSpacifiled"), checked ? 1 : 0);
    });
    auto* scheduleForm = new QFormLayout(schedule);
    scheduleForm->addRow(tr("Daily:"), window);
    scheduleForm->addRow(tr("Weekdays:"), days);
    scheduleForm->addRow(m_months);

    m_border = new KBorderEdit(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(play);
    layout->addWidget(background);
    layout->addWidget(schedule);
    layout->addWidget(m_border);
    layout->addStretch();

    connect(m_playMode, &QComboBox::currentIndexChanged, this, [this](int mode) {
        if (m_node && mode >= 0)
            m_node->SetPlayMode(mode);
    });
    connect(m_playTime, &QTimeEdit::timeChanged, this, [this](QTime time) {
        if (m_node)
            m_node->SetFixedTime(time);
    });
    connect(m_playTimes, &QSpinBox::valueChanged, this, [this](int times) {
        if (m_node)
            m_node->SetPlayTimes(times);
    });
    connect(m_bgMode, &QComboBox::currentIndexChanged, this, [this](int mode) {
        if (m_node && mode >= 0)
            m_node->SetBgMode(mode);
    });
    connect(m_bgColor, &KColorButton::ColorChosen, this, [this](const QColor& color) {
        if (m_node)
            m_node->SetBgColor(color);
    });
    connect(m_bgBrowse, &QPushButton::clicked, this, &KScenePanel::BrowseBackground);
    connect(m_alpha, &QSpinBox::valueChanged, this, [this](int alpha) {
        if (m_node)
            m_node->SetAlpha(alpha);
    });
    connect(m_startTime, &QTimeEdit::timeChanged, this, [this](QTime time) {
        if (m_node)
            m_node->SetSpaceStartTime(time);
    });
    connect(m_stopTime, &QTimeEdit::timeChanged, this, [this](QTime time) {
        if (m_node)
            m_node->SetSpaceStopTime(time);
    });
    SetNode(nullptr);
}

void KScenePanel::SetNode(KNode* node)
{
    if (m_node)
        disconnect(m_node, nullptr, this, nullptr);
    m_node = qobject_cast<KSceneNode*>(node);
    if (m_node) {
        // Every setter of a program stores an attribute or the file list; the typed signals
        // cover the setters that store an unchanged value.
        connect(m_node, &KData::AttributeChanged, this, &KScenePanel::Refresh);
        connect(m_node, &KData::ListChanged, this, &KScenePanel::Refresh);
        connect(m_node, &KSceneNode::BgModeChanged, this, &KScenePanel::Refresh);
        connect(m_node, &KSceneNode::BgImageChanged, this, &KScenePanel::Refresh);
        connect(m_node, &KSceneNode::BgColorChanged, this, &KScenePanel::Refresh);
    }
    m_border->SetFrame(m_node);
    setEnabled(m_node != nullptr);
    Refresh();
}

void KScenePanel::Refresh()
{
    if (!m_node)
        return;
    const QList<QWidget*> widgets = {m_playMode, m_playTime, m_playTimes, m_bgMode, m_alpha,
                                     m_startTime, m_stopTime};
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(size_t(widgets.size() + m_weekDays.size() + 1 + m_monthBoxes.size()));
    for (QWidget* widget : widgets)
        blockers.emplace_back(widget);
    for (QCheckBox* box : std::as_const(m_weekDays))
        blockers.emplace_back(box);
    blockers.emplace_back(m_months);
    for (QCheckBox* box : std::as_const(m_monthBoxes))
        blockers.emplace_back(box);

    const int playMode = m_node->PlayMode();
    m_playMode->setCurrentIndex(playMode);
    m_playTime->setTime(QTime(0, 0).addSecs(m_node->GetFixedTime()));
    m_playTimes->setValue(m_node->GetPlayTimes());
    m_playTime->setEnabled(playMode == KSceneNode::PLAY_FIXED_TIME);
    m_playTimes->setEnabled(playMode == KSceneNode::PLAY_LOOP);

    const int bgMode = m_node->BgMode();
    m_bgMode->setCurrentIndex(bgMode);
    m_bgColor->SetColor(m_node->BgColor());
    // The picture lives in the file list; older projects may carry it as an attribute.
    QString picture = m_node->GetFirstFile(kBgImageKey);
    if (picture.isEmpty())
        picture = m_node->BgImage();
    m_bgImage->setText(picture);
    m_bgImage->setToolTip(picture);
    m_bgColor->setEnabled(bgMode == KSceneNode::BG_COLOR);
    m_bgImage->setEnabled(bgMode == KSceneNode::BG_IMAGE);
    m_bgBrowse->setEnabled(bgMode == KSceneNode::BG_IMAGE);
    m_alpha->setValue(m_node->Alpha());

    m_startTime->setTime(m_node->GetSpaceStartTime().isValid() ? m_node->GetSpaceStartTime()
                                                                : QTime(0, 0));
    m_stopTime->setTime(m_node->GetSpaceStopTime().isValid() ? m_node->GetSpaceStopTime()
                                                              : QTime(23, 59, 59));
    for (int day = 0; day < m_weekDays.size(); ++day)
        m_weekDays.at(day)->setChecked(m_node->GetWeekCheck(day) != 0);
    m_months->setChecked(m_node->GetUseSpacifiled() != 0);
    for (int month = 1; month <= m_monthBoxes.size(); ++month)
        m_monthBoxes.at(month - 1)->setChecked(m_node->GetDateEnable(month) == QLatin1String("1"));
}

void KScenePanel::BrowseBackground()
{
    if (!m_node)
        return;
    const QString current = m_bgImage->text();
    const QString path = Prompt::OpenFileName(
        this, tr("Select Background Picture"),
        current.isEmpty() ? QString() : QFileInfo(current).absolutePath(),
        tr("Pictures (*.png *.jpg *.jpeg *.bmp *.gif)"));
    if (path.isEmpty())
        return;
    m_node->SetBgImage(path);
}

void KScenePanel::WriteWeekDay(int day, bool checked)
{
    if (m_node)
        m_node->SetAttribute(QLatin1String(kWeekDayKeys[day]), checked ? 1 : 0);
}

} // namespace Ky
