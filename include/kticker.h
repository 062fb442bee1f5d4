#pragma once

#include "kcore_global.h"

#include <QWidget>

namespace Ky {

// A one-line status text that runs from right to left when it does not fit.
class KCORE_EXPORT KTicker : public QWidget
{
    Q_OBJECT
public:
    explicit KTicker(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return m_text; }
    // Clears the text after `ms` milliseconds; -1 keeps it.
    void set_show_time(int ms);
    int show_time() const { return m_showTime; }
    QSize sizeHint() const override;

    int offset() const { return m_offset; }
    bool isScrolling() const { return m_scrollTimer != 0; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int TextWidth() const;
    void UpdateScrolling();

    QString m_text;
    int m_offset = 0;
    int m_scrollTimer = 0;
    int m_showTime = -1;
    int m_showTimer = 0;
};

} // namespace Ky
