#include "kcolorbutton.h"

#include "kprompt.h"

#include <QPainter>
#include <QPixmap>

namespace Ky {

KColorButton::KColorButton(QWidget* parent) : QPushButton(parent)
{
    setIconSize(QSize(32, 14));
    connect(this, &QPushButton::clicked, this, &KColorButton::Choose);
    SetColor(m_color);
}

void KColorButton::SetColor(const QColor& color)
{
    m_color = color;
    QPixmap swatch(iconSize());
    swatch.fill(QColor(m_color.rgb())); // the swatch shows the opaque colour
    QPainter painter(&swatch);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    setToolTip(m_color.name());
}

void KColorButton::Choose()
{
    const QColor chosen = Prompt::Color(m_color, this, tr("Select Color"));
    if (!chosen.isValid())
        return;
    SetColor(chosen);
    Q_EMIT ColorChosen(chosen);
}

} // namespace Ky
