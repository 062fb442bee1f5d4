#include "keffectpanel.h"

#include "kpictureinfo.h"
#include "ktranslation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace Ky {

namespace {
constexpr int kVisibleEffects = 21;
constexpr int kHoldMaximum = 999999999;
const char* const kSpeeds[] = {"1 / 5", "1 / 4", "1 / 3", "1 / 2", "1", "2", "3", "4", "5"};

QLineEdit* NewField(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    return edit;
}

QComboBox* NewCombo(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxVisibleItems(kVisibleEffects);
    return box;
}
} // namespace

KEffectPanel::KEffectPanel(const char* context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    m_fileGroup = new QGroupBox(this);
    m_fileGroup->setObjectName(QStringLiteral("gbFileAttr"));
    m_path = NewField("editFilePath", m_fileGroup);
    m_width = NewField("editWidth", m_fileGroup);
    m_height = NewField("editHeight", m_fileGroup);
    m_frames = NewField("editFrames", m_fileGroup);
    m_duration = NewField("editDuration", m_fileGroup);
    m_pathLabel = new QLabel(m_fileGroup);
    m_widthLabel = new QLabel(m_fileGroup);
    m_heightLabel = new QLabel(m_fileGroup);
    m_framesLabel = new QLabel(m_fileGroup);
    m_durationLabel = new QLabel(m_fileGroup);
    m_fileGrid = new QGridLayout(m_fileGroup);
    m_fileGrid->addWidget(m_pathLabel, 0, 0);
    m_fileGrid->addWidget(m_path, 0, 1, 1, 3);
    m_fileGrid->addWidget(m_widthLabel, 1, 0);
    m_fileGrid->addWidget(m_width, 1, 1);
    m_fileGrid->addWidget(m_heightLabel, 1, 2);
    m_fileGrid->addWidget(m_height, 1, 3);
    m_fileGrid->addWidget(m_framesLabel, 2, 0);
    m_fileGrid->addWidget(m_frames, 2, 1);
    m_fileGrid->addWidget(m_durationLabel, 2, 2);
    m_fileGrid->addWidget(m_duration, 2, 3);

    m_effectGroup = new QGroupBox(this);
    m_effectGroup->setObjectName(QStringLiteral("gbEffect"));
    m_dispEffect = NewCombo("cmbDispEffect", m_effectGroup);
    m_dispSpeed = NewCombo("cnbDispInterval", m_effectGroup);
    m_clearEffect = NewCombo("cmbClearEffect", m_effectGroup);
    m_clearSpeed = NewCombo("cmbClearInterval", m_effectGroup);
    for (const char* speed : kSpeeds) {
        m_dispSpeed->addItem(QLatin1String(speed));
        m_clearSpeed->addItem(QLatin1String(speed));
    }
    m_noEffect = new QPushButton(m_effectGroup);
    m_noEffect->setObjectName(QStringLiteral("btnNoEffect"));
    m_random = new QPushButton(m_effectGroup);
    m_random->setObjectName(QStringLiteral("btnRandom"));
    m_hold = new QSpinBox(m_effectGroup);
    m_hold->setObjectName(QStringLiteral("sbHoldInterval"));
    m_hold->setRange(0, kHoldMaximum);
    m_displayLabel = new QLabel(m_effectGroup);
    m_clearLabel = new QLabel(m_effectGroup);
    m_holdLabel = new QLabel(m_effectGroup);
    m_unit = new QLabel(m_effectGroup);
    m_unit->setObjectName(QStringLiteral("lblUnit"));
    auto* grid = new QGridLayout(m_effectGroup);
    grid->addWidget(m_displayLabel, 0, 0);
    grid->addWidget(m_dispEffect, 0, 1);
    grid->addWidget(m_dispSpeed, 0, 2);
    grid->addWidget(m_clearLabel, 1, 0);
    grid->addWidget(m_clearEffect, 1, 1);
    grid->addWidget(m_clearSpeed, 1, 2);
    grid->addWidget(m_holdLabel, 2, 0);
    grid->addWidget(m_hold, 2, 1);
    grid->addWidget(m_unit, 2, 2);
    grid->addWidget(m_noEffect, 3, 1);
    grid->addWidget(m_random, 3, 2);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fileGroup);
    layout->addWidget(m_effectGroup);
    layout->addStretch();

    connect(m_dispEffect, &QComboBox::currentIndexChanged, this,
            &KEffectPanel::DisplayEffects_SelectChanged);
    connect(m_dispSpeed, &QComboBox::currentIndexChanged, this,
            &KEffectPanel::DispInterval_SelectChanged);
    connect(m_clearEffect, &QComboBox::currentIndexChanged, this,
            &KEffectPanel::ClearEffects_SelectChanged);
    connect(m_clearSpeed, &QComboBox::currentIndexChanged, this,
            &KEffectPanel::ClearInterval_SelectChanged);
    connect(m_hold, &QSpinBox::valueChanged, this, &KEffectPanel::HoldInterval_ValueChanged);
    connect(m_noEffect, &QPushButton::clicked, this, &KEffectPanel::NoEffect_Clicked);
    connect(m_random, &QPushButton::clicked, this, &KEffectPanel::Random_Clicked);
    connect(KTranslation::instance(), &KTranslation::LanguageChanged, this,
            &KEffectPanel::Translate);
}

QString KEffectPanel::Text(const char* source) const
{
    return QCoreApplication::translate(m_context, source);
}

void KEffectPanel::Translate()
{
    const bool wasUpdating = m_updating;
    m_updating = true;
    m_fileGroup->setTitle(Text("File Attribute"));
    m_pathLabel->setText(Text("File Path"));
    m_widthLabel->setText(Text("Width"));
    m_heightLabel->setText(Text("Height"));
    m_framesLabel->setText(Text("Frames"));
    m_durationLabel->setText(Text("Duration"));
    m_effectGroup->setTitle(Text("Effect"));
    m_displayLabel->setText(Text("Display"));
    m_clearLabel->setText(Text("Clear"));
    m_holdLabel->setText(Text("Hold"));
    m_unit->setText(Text("0.1S"));
    m_noEffect->setText(Text("No Effect"));
    m_random->setText(Text("Random"));
    TranslateExtra();
    FillEffectLists();
    if (m_node) {
        SelectByData(m_dispEffect, m_node->GetDispEffect());
        SelectByData(m_clearEffect, m_node->GetClearEffect());
    }
    m_updating = wasUpdating;
}

void KEffectPanel::FillEffectLists()
{
    QList<DynamicImageItem> display;
    QList<DynamicImageItem> clear;
    KEffectNode::GetDispEffectName(display);
    KEffectNode::GetClearEffectName(clear);
    m_dispEffect->clear();
    m_clearEffect->clear();
    for (const DynamicImageItem& item : display)
        m_dispEffect->addItem(item.name, item.id);
    for (const DynamicImageItem& item : clear)
        m_clearEffect->addItem(item.name, item.id);
}

void KEffectPanel::SelectByData(QComboBox* box, int value)
{
    box->setCurrentIndex(box->findData(value));
}

void KEffectPanel::Fill(const QString& path, const KPictureInfo& info)
{
    m_path->setText(path);
    m_width->setText(QString::number(info.width));
    m_height->setText(QString::number(info.height));
    SelectByData(m_dispEffect, m_node->GetDispEffect());
    m_dispSpeed->setCurrentIndex(m_node->GetDispTime());
    SelectByData(m_clearEffect, m_node->GetClearEffect());
    m_clearSpeed->setCurrentIndex(m_node->GetClearTime());
    ShowHold(m_node->GetHoldTime());
    UpdateSpeedEnabling();
}

void KEffectPanel::ShowHold(int hold)
{
    m_hold->setValue(hold);
}

void KEffectPanel::ShowGifFields(bool shown, const KPictureInfo& info)
{
    for (QWidget* widget :
         {static_cast<QWidget*>(m_frames), static_cast<QWidget*>(m_duration),
          static_cast<QWidget*>(m_framesLabel), static_cast<QWidget*>(m_durationLabel)})
        widget->setVisible(shown);
    m_frames->setText(QString::number(info.frames));
    m_duration->setText(QString::number(info.loop / 1000.0, 'g', 6) + QLatin1Char('S'));
}

void KEffectPanel::UpdateSpeedEnabling()
{
    if (!m_node)
        return;
    const int clear = m_node->GetClearEffect();
    m_dispSpeed->setEnabled(m_node->GetDispEffect() != 0);
    m_clearSpeed->setEnabled(clear != 0 && clear != 20);
}

void KEffectPanel::DisplayEffects_SelectChanged(int index)
{
    if (m_updating || !m_node || index < 0)
        return;
    m_node->SetDispEffect(m_dispEffect->itemData(index).toInt());
    UpdateSpeedEnabling();
}

void KEffectPanel::DispInterval_SelectChanged(int index)
{
    if (m_updating || !m_node || index < 0)
        return;
    m_node->SetDispTime(index);
}

void KEffectPanel::ClearEffects_SelectChanged(int index)
{
    if (m_updating || !m_node || index < 0)
        return;
    m_node->SetClearEffect(m_clearEffect->itemData(index).toInt());
    UpdateSpeedEnabling();
}

void KEffectPanel::ClearInterval_SelectChanged(int index)
{
    if (m_updating || !m_node || index < 0)
        return;
    m_node->SetClearTime(index);
}

void KEffectPanel::HoldInterval_ValueChanged(int value)
{
    if (m_updating || !m_node)
        return;
    m_node->SetHoldTime(value);
}

void KEffectPanel::NoEffect_Clicked()
{
    m_dispEffect->setCurrentIndex(1);
    m_clearEffect->setCurrentIndex(1);
}

void KEffectPanel::Random_Clicked()
{
    m_dispEffect->setCurrentIndex(0);
    m_clearEffect->setCurrentIndex(0);
}

} // namespace Ky
