#pragma once

#include "kframe.h"

#include <QGroupBox>
#include <QPointer>

class QComboBox;
class QSpinBox;

namespace Ky {

class KColorButton;

// Edits the border of a program or an area: on/off, pattern family, pattern, colour of the
// single-colour family, animation effect and speed. Follows the frame's own changes.
class KBorderEdit : public QGroupBox
{
    Q_OBJECT
public:
    explicit KBorderEdit(QWidget* parent = nullptr);

    // Binds the editor (null unbinds and clears it).
    void SetFrame(KFrame* frame);
    KFrame* frame() const { return m_frame; }
    // Shows the frame's current values.
    void Refresh();

    // A pattern bitmap repeated along a strip, as the pattern list shows it.
    static QPixmap PatternPixmap(const QString& resource, const QColor& tint = QColor());

private:
    void FillPatterns(int family);
    void OnEnable(bool enable);
    void OnFamily(int family);
    void OnPattern(int index);
    void OnColor(const QColor& color);

    QPointer<KFrame> m_frame;
    QComboBox* m_family = nullptr;
    QComboBox* m_pattern = nullptr;
    KColorButton* m_color = nullptr;
    QComboBox* m_effect = nullptr;
    QSpinBox* m_speed = nullptr;
    int m_filledFamily = -1;
    QColor m_filledTint;
};

} // namespace Ky
