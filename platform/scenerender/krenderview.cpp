#include "krenderview.h"

#include "kcompositor.h"
#include "scenerender.h"

#include <QPainter>

namespace Ky {

KRenderView::KRenderView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&KCompositor::instance(), &KCompositor::FrameComposed, this,
            qOverload<>(&QWidget::update));
}

QSize KRenderView::sizeHint() const
{
    const QImage frame = CaptureRenderFrame();
    return frame.isNull() ? QSize(128, 128) : frame.size();
}

void KRenderView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QImage frame = CaptureRenderFrame();
    painter.fillRect(rect(), Qt::black);
    if (!frame.isNull())
        painter.drawImage(0, 0, frame);
}

} // namespace Ky
