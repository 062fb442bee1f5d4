#include "kborderedit.h"

#include "kcolorbutton.h"
#include "kframe.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>

namespace Ky {

namespace {
constexpr int kStripWidth = 120;
constexpr int kStripHeight = 16;

int FamilyIndex(const KFrame* frame, int family)
{
    switch (family) {
    case KFrame::Tricolor:
        return frame->TricolorIndex();
    case KFrame::Purity:
        return frame->PurityIndex();
    default:
        return frame->MotleyIndex();
    }
}
} // namespace

KBorderEdit::KBorderEdit(QWidget* parent) : QGroupBox(tr("Border"), parent)
{
    setObjectName(QStringLiteral("Border"));
    setCheckable(true);
    setChecked(false);

    m_family = new QComboBox(this);
    m_family->setObjectName(QStringLiteral("FrameType"));
    m_family->addItems({tr("Multicolour"), tr("Three-colour"), tr("Single-colour")});

    m_pattern = new QComboBox(this);
    m_pattern->setObjectName(QStringLiteral("FramePattern"));
    m_pattern->setIconSize(QSize(kStripWidth, kStripHeight));
    m_pattern->setMaxVisibleItems(12);

    m_color = new KColorButton(this);
    m_color->setObjectName(QStringLiteral("PurityColor"));

    m_effect = new QComboBox(this);
    m_effect->setObjectName(QStringLiteral("FrameEffect"));
    m_effect->addItems(KFrame::EffectList());

    m_speed = new QSpinBox(this);
    m_speed->setObjectName(QStringLiteral("FrameSpeed"));
    m_speed->setRange(0, 15);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Style:"), m_family);
    form->addRow(tr("Pattern:"), m_pattern);
    form->addRow(tr("Colour:"), m_color);
    form->addRow(tr("Effect:"), m_effect);
    form->addRow(tr("Speed:"), m_speed);

    connect(this, &QGroupBox::toggled, this, &KBorderEdit::OnEnable);
    connect(m_family, &QComboBox::currentIndexChanged, this, &KBorderEdit::OnFamily);
    connect(m_pattern, &QComboBox::currentIndexChanged, this, &KBorderEdit::OnPattern);
    connect(m_color, &KColorButton::ColorChosen, this, &KBorderEdit::OnColor);
    connect(m_effect, &QComboBox::currentIndexChanged, this, [this](int effect) {
        if (m_frame && effect >= 0)
            m_frame->SetEffect(effect);
    });
    connect(m_speed, &QSpinBox::valueChanged, this, [this](int speed) {
        if (m_frame)
            m_frame->SetSpeed(speed);
    });
    SetFrame(nullptr);
}

void KBorderEdit::SetFrame(KFrame* frame)
{
    if (m_frame)
        disconnect(m_frame, nullptr, this, nullptr);
    m_frame = frame;
    if (m_frame) {
        connect(m_frame, &KFrame::FrameChanged, this, &KBorderEdit::Refresh);
        connect(m_frame, &KData::AttributeChanged, this, &KBorderEdit::Refresh);
    }
    setEnabled(m_frame != nullptr);
    Refresh();
}

void KBorderEdit::Refresh()
{
    const QSignalBlocker blockSelf(this);
    const QSignalBlocker blockFamily(m_family);
    const QSignalBlocker blockPattern(m_pattern);
    const QSignalBlocker blockEffect(m_effect);
    const QSignalBlocker blockSpeed(m_speed);
    if (!m_frame) {
        setChecked(false);
        return;
    }
    const int family = qBound(0, m_frame->FrameType(), 2);
    const QColor color = QColor::fromRgba(quint32(m_frame->PurityColor()));
    setChecked(m_frame->Enable());
    m_family->setCurrentIndex(family);
    if (family != m_filledFamily || (family == KFrame::Purity && color != m_filledTint))
        FillPatterns(family);
    m_pattern->setCurrentIndex(FamilyIndex(m_frame, family));
    m_color->SetColor(color);
    m_color->setEnabled(family == KFrame::Purity);
    m_effect->setCurrentIndex(m_frame->Effect());
    m_speed->setValue(m_frame->Speed());
}

QPixmap KBorderEdit::PatternPixmap(const QString& resource, const QColor& tint)
{
    QImage pattern(resource);
    QPixmap strip(kStripWidth, kStripHeight);
    strip.fill(Qt::black);
    if (pattern.isNull())
        return strip;
    pattern = pattern.convertToFormat(QImage::Format_ARGB32);
    if (tint.isValid()) {
        // Single-colour patterns are masks: lit pixels take the chosen colour.
        for (int y = 0; y < pattern.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
            for (int x = 0; x < pattern.width(); ++x) {
                if (qGray(line[x]) > 0)
                    line[x] = tint.rgb();
            }
        }
    }
    // Twice the size, so one-pixel borders can be seen; centred vertically.
    const QImage big = pattern.scaled(pattern.size() * 2, Qt::IgnoreAspectRatio,
                                      Qt::FastTransformation);
    QPainter painter(&strip);
    const int top = qMax(0, (kStripHeight - big.height()) / 2);
    for (int x = 0; x < kStripWidth; x += qMax(1, big.width()))
        painter.drawImage(x, top, big);
    return strip;
}

void KBorderEdit::FillPatterns(int family)
{
    const QColor tint = family == KFrame::Purity && m_frame
                            ? QColor::fromRgba(quint32(m_frame->PurityColor()))
                            : QColor();
    const QSignalBlocker block(m_pattern);
    m_pattern->clear();
    const QStringList list = KFrame::ImageList(family);
    for (int i = 0; i < list.size(); ++i) {
        // The thickness is the digit after the family letter: ":/images/M3_4.bmp".
        const int height = list.at(i).mid(10, 1).toInt();
        m_pattern->addItem(QIcon(PatternPixmap(list.at(i), tint)),
                           tr("%1 px").arg(height), list.at(i));
    }
    m_filledFamily = family;
    m_filledTint = tint;
}

void KBorderEdit::OnEnable(bool enable)
{
    if (m_frame)
        m_frame->SetEnable(enable);
}

void KBorderEdit::OnFamily(int family)
{
    if (m_frame && family >= 0)
        m_frame->SetType(family);
}

void KBorderEdit::OnPattern(int index)
{
    if (!m_frame || index < 0)
        return;
    switch (m_frame->FrameType()) {
    case KFrame::Tricolor:
        m_frame->SetTricolorIndex(index);
        break;
    case KFrame::Purity:
        m_frame->SetPurityIndex(index);
        break;
    default:
        m_frame->SetMotleyIndex(index);
        break;
    }
}

void KBorderEdit::OnColor(const QColor& color)
{
    if (m_frame)
        m_frame->SetPurityColor(int(qint32(color.rgba())));
}

} // namespace Ky
