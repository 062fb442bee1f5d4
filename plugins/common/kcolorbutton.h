#pragma once

#include <QColor>
#include <QPushButton>

namespace Ky {

// A button that shows a colour swatch and asks the operator for a new colour when clicked.
class KColorButton : public QPushButton
{
    Q_OBJECT
public:
    explicit KColorButton(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Shows the colour; does not emit ColorChosen.
    void SetColor(const QColor& color);

Q_SIGNALS:
    // The operator picked a colour (not emitted when the chooser was cancelled).
    void ColorChosen(const QColor& color);

private:
    void Choose();

    QColor m_color = Qt::black;
};

} // namespace Ky
