#pragma once

#include "inodeclient.h"
#include "kframenode.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QSpinBox;

namespace Ky {

class KBorderEdit;

// The editing panel of an area: position and size (through the area's setters, so the
// corrections and the lock show at once), lock, opacity and border.
class KFramePanel : public QWidget, public INodeClient
{
    Q_OBJECT
public:
    explicit KFramePanel(QWidget* parent = nullptr);

    QWidget* ClientWidget() override { return this; }
    void SetNode(KNode* node) override;
    KFrameNode* node() const { return m_node; }

    // Shows the bound area's current values.
    void Refresh();

private:
    QPointer<KFrameNode> m_node;
    QSpinBox* m_x = nullptr;
    QSpinBox* m_y = nullptr;
    QSpinBox* m_width = nullptr;
    QSpinBox* m_height = nullptr;
    QCheckBox* m_lock = nullptr;
    QSpinBox* m_alpha = nullptr;
    KBorderEdit* m_border = nullptr;
};

} // namespace Ky
