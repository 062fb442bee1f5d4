#include "kframepanel.h"

#include "kborderedit.h"
#include "kframenode.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <vector>

namespace Ky {

namespace {
constexpr int kLargest = 65535;

QSpinBox* NewSpin(const QString& objectName, int minimum, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(objectName);
    spin->setRange(minimum, kLargest);
    // Write once per finished value, not per key, so corrections do not fight the typing.
    spin->setKeyboardTracking(false);
    spin->setSuffix(QCoreApplication::translate("Ky::KFramePanel", " px"));
    return spin;
}
} // namespace

KFramePanel::KFramePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FramePanel"));

    auto* geometry = new QGroupBox(tr("Area"), this);
    m_x = NewSpin(QStringLiteral("X"), 0, geometry);
    m_y = NewSpin(QStringLiteral("Y"), 0, geometry);
    m_width = NewSpin(QStringLiteral("Width"), 8, geometry);
    m_height = NewSpin(QStringLiteral("Height"), 8, geometry);
    m_lock = new QCheckBox(tr("Lock size"), geometry);
    m_lock->setObjectName(QStringLiteral("LockArea"));
    m_alpha = new QSpinBox(geometry);
    m_alpha->setObjectName(QStringLiteral("Alpha"));
    m_alpha->setRange(0, 255);

    auto* grid = new QGridLayout(geometry);
    grid->addWidget(new QLabel(tr("X:"), geometry), 0, 0);
    grid->addWidget(m_x, 0, 1);
    grid->addWidget(new QLabel(tr("Y:"), geometry), 0, 2);
    grid->addWidget(m_y, 0, 3);
    grid->addWidget(new QLabel(tr("Width:"), geometry), 1, 0);
    grid->addWidget(m_width, 1, 1);
    grid->addWidget(new QLabel(tr("Height:"), geometry), 1, 2);
    grid->addWidget(m_height, 1, 3);
    grid->addWidget(m_lock, 2, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Opacity:"), geometry), 3, 0);
    grid->addWidget(m_alpha, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_border = new KBorderEdit(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(geometry);
    layout->addWidget(m_border);
    layout->addStretch();

    connect(m_x, &QSpinBox::valueChanged, this, [this](int x) {
        if (m_node)
            m_node->SetX(x);
        Refresh(); // an unchanged, corrected value emits nothing
    });
    connect(m_y, &QSpinBox::valueChanged, this, [this](int y) {
        if (m_node)
            m_node->SetY(y);
        Refresh();
    });
    connect(m_width, &QSpinBox::valueChanged, this, [this](int width) {
        if (m_node)
            m_node->SetWidth(width);
        Refresh();
    });
    connect(m_height, &QSpinBox::valueChanged, this, [this](int height) {
        if (m_node)
            m_node->SetHeight(height);
        Refresh();
    });
    connect(m_lock, &QCheckBox::toggled, this, [this](bool lock) {
        if (m_node)
            m_node->SetLockArea(lock);
    });
    connect(m_alpha, &QSpinBox::valueChanged, this, [this](int alpha) {
        if (m_node)
            m_node->SetAlpha(alpha);
    });
    SetNode(nullptr);
}

void KFramePanel::SetNode(KNode* node)
{
    if (m_node)
        disconnect(m_node, nullptr, this, nullptr);
    m_node = qobject_cast<KFrameNode*>(node);
    if (m_node) {
        connect(m_node, &KData::AttributeChanged, this, &KFramePanel::Refresh);
        // A locked area answers a resize with its unchanged size: show it again.
        connect(m_node, &KFrameNode::SizeChanged, this, &KFramePanel::Refresh);
        connect(m_node, &KFrameNode::PosChanged, this, &KFramePanel::Refresh);
        connect(m_node, &KFrameNode::AreaLocked, this, &KFramePanel::Refresh);
        connect(m_node, &KFrameNode::AlphaChanged, this, &KFramePanel::Refresh);
    }
    m_border->SetFrame(m_node);
    setEnabled(m_node != nullptr);
    Refresh();
}

void KFramePanel::Refresh()
{
    if (!m_node)
        return;
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(6);
    for (QWidget* widget : {static_cast<QWidget*>(m_x), static_cast<QWidget*>(m_y),
                            static_cast<QWidget*>(m_width), static_cast<QWidget*>(m_height),
                            static_cast<QWidget*>(m_lock), static_cast<QWidget*>(m_alpha)})
        blockers.emplace_back(widget);
    m_x->setValue(m_node->X());
    m_y->setValue(m_node->Y());
    m_width->setValue(m_node->Width());
    m_height->setValue(m_node->Height());
    const bool locked = m_node->LockArea();
    m_lock->setChecked(locked);
    m_width->setEnabled(!locked);
    m_height->setEnabled(!locked);
    m_alpha->setValue(m_node->Alpha());
}

} // namespace Ky
