#include "kticker.h"

#include <QPainter>
#include <QTimerEvent>

namespace Ky {

namespace {
constexpr int kScrollInterval = 30;
constexpr int kScrollStep = 5;
} // namespace

KTicker::KTicker(QWidget* parent)
    : QWidget(parent)
{
}

int KTicker::TextWidth() const
{
    return fontMetrics().horizontalAdvance(m_text);
}

void KTicker::UpdateScrolling()
{
    if (TextWidth() > width()) {
        // Replace a running timer rather than adding a second one.
        if (m_scrollTimer)
            killTimer(m_scrollTimer);
        m_scrollTimer = startTimer(kScrollInterval);
    } else {
        if (m_scrollTimer) {
            killTimer(m_scrollTimer);
            m_scrollTimer = 0;
        }
        m_offset = 0;
    }
}

void KTicker::setText(const QString& text)
{
    m_text = text;
    UpdateScrolling();
    update();
    updateGeometry();
}

void KTicker::set_show_time(int ms)
{
    m_showTime = ms;
    if (m_showTimer) {
        killTimer(m_showTimer);
        m_showTimer = 0;
    }
    if (ms != -1)
        m_showTimer = startTimer(qMax(0, ms));
}

QSize KTicker::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, m_text);
}

void KTicker::showEvent(QShowEvent*)
{
    UpdateScrolling();
}

void KTicker::hideEvent(QHideEvent*)
{
    if (m_scrollTimer) {
        killTimer(m_scrollTimer);
        m_scrollTimer = 0;
    }
}

void KTicker::resizeEvent(QResizeEvent*)
{
    UpdateScrolling();
    update();
}

void KTicker::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_showTimer) {
        killTimer(m_showTimer);
        m_showTimer = 0;
        setText(QStringLiteral("       ")); // seven blanks clear the visible text
        return;
    }
    if (event->timerId() != m_scrollTimer)
        return;
    m_offset += kScrollStep;
    if (m_offset >= TextWidth())
        m_offset = 0;
    scroll(-kScrollStep, 0);
}

void KTicker::paintEvent(QPaintEvent*)
{
    const int textWidth = TextWidth();
    if (textWidth < 1)
        return;
    QPainter painter(this);
    for (int x = -m_offset; x < width(); x += textWidth)
        painter.drawText(QRect(x, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter,
                         m_text);
}

} // namespace Ky
