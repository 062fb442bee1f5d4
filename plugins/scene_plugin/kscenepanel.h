#pragma once

#include "inodeclient.h"
#include "kscenenode.h"

#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;

namespace Ky {

class KBorderEdit;
class KColorButton;

// The editing panel of a program: play mode and time, background, opacity, daily time window,
// weekdays and months, border. Every edit goes straight to the bound program; changes made
// elsewhere show at once.
class KScenePanel : public QWidget, public INodeClient
{
    Q_OBJECT
public:
    explicit KScenePanel(QWidget* parent = nullptr);

    QWidget* ClientWidget() override { return this; }
    void SetNode(KNode* node) override;
    KSceneNode* node() const { return m_node; }

    // Shows the bound program's current values.
    void Refresh();

private:
    void BrowseBackground();
    void WriteWeekDay(int day, bool checked);

    QPointer<KSceneNode> m_node;
    QComboBox* m_playMode = nullptr;
    QTimeEdit* m_playTime = nullptr;
    QSpinBox* m_playTimes = nullptr;
    QComboBox* m_bgMode = nullptr;
    KColorButton* m_bgColor = nullptr;
    QLineEdit* m_bgImage = nullptr;
    QPushButton* m_bgBrowse = nullptr;
    QSpinBox* m_alpha = nullptr;
    QTimeEdit* m_startTime = nullptr;
    QTimeEdit* m_stopTime = nullptr;
    QList<QCheckBox*> m_weekDays;
    QGroupBox* m_months = nullptr;
    QList<QCheckBox*> m_monthBoxes;
    KBorderEdit* m_border = nullptr;
};

} // namespace Ky
