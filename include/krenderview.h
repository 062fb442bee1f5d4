#pragma once

#include "scenerender_global.h"

#include <QWidget>

namespace Ky {

// Shows the render service's frames: repaints with the last composed frame whenever a new one
// is ready.
class KSCENERENDER_EXPORT KRenderView : public QWidget
{
    Q_OBJECT
public:
    explicit KRenderView(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Ky
