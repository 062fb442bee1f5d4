#pragma once

#include "inodeclient.h"
#include "keffectnode.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace Ky {

class KPictureInfo;

// The editing panel shared by the picture kinds: the file's attributes and the entry and exit
// effects with their speeds and the hold time. Edits go to the bound node at once; while the
// panel fills itself ("updating") the change slots do nothing.
class KEffectPanel : public QWidget, public INodeClient
{
    Q_OBJECT
public:
    // context: the translation context of the panel's texts.
    KEffectPanel(const char* context, QWidget* parent = nullptr);

    QWidget* ClientWidget() override { return this; }
    KEffectNode* node() const { return m_node; }
    bool updating() const { return m_updating; }

public Q_SLOTS:
    void Translate();
    void DisplayEffects_SelectChanged(int index);
    void DispInterval_SelectChanged(int index);
    void ClearEffects_SelectChanged(int index);
    void ClearInterval_SelectChanged(int index);
    void HoldInterval_ValueChanged(int value);
    void NoEffect_Clicked();
    void Random_Clicked();

protected:
    QString Text(const char* source) const;
    // Re-applies the kind's own texts (called by Translate).
    virtual void TranslateExtra() {}
    // Shows path, size, effects, speeds and hold of the bound node.
    void Fill(const QString& path, const KPictureInfo& info);
    // Frame count and loop length, or hides them.
    void ShowGifFields(bool shown, const KPictureInfo& info);
    void ShowHold(int hold);
    void UpdateSpeedEnabling();

    QPointer<KEffectNode> m_node;
    bool m_updating = false;
    QGroupBox* m_fileGroup = nullptr;
    QGridLayout* m_fileGrid = nullptr; // kinds add their own controls from row 3 on
    QLineEdit* m_path = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QLineEdit* m_frames = nullptr;
    QLineEdit* m_duration = nullptr;

private:
    void FillEffectLists();
    static void SelectByData(QComboBox* box, int value);

    const char* m_context;
    QLabel* m_pathLabel = nullptr;
    QLabel* m_widthLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLabel* m_framesLabel = nullptr;
    QLabel* m_durationLabel = nullptr;
    QGroupBox* m_effectGroup = nullptr;
    QLabel* m_displayLabel = nullptr;
    QLabel* m_clearLabel = nullptr;
    QLabel* m_holdLabel = nullptr;
    QLabel* m_unit = nullptr;
    QComboBox* m_dispEffect = nullptr;
    QComboBox* m_dispSpeed = nullptr;
    QComboBox* m_clearEffect = nullptr;
    QComboBox* m_clearSpeed = nullptr;
    QPushButton* m_noEffect = nullptr;
    QPushButton* m_random = nullptr;
    QSpinBox* m_hold = nullptr;
};

} // namespace Ky
