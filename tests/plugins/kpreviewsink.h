#pragma once

// Stands in for the preview window in plug-in tests: hands the render service's events to the
// frame renderers the way the preview does, and keeps them.

#include "iframerender.h"
#include "krenderevent.h"

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPair>

namespace Ky::Test {

class PreviewSink : public QObject
{
public:
    QList<IFrameRender*> renderers;
    QList<QPair<quint32, int>> events;

    bool event(QEvent* e) override
    {
        if (e->type() != KRenderEvent::eventType())
            return QObject::event(e);
        const auto* render = static_cast<KRenderEvent*>(e);
        events.append({render->wParam(), render->lParam()});
        if (render->wParam() == 0) {
            if (render->lParam() == KRenderEvent::AllAreasFinished)
                for (IFrameRender* r : std::as_const(renderers))
                    r->AllFinish();
            return true;
        }
        for (IFrameRender* r : std::as_const(renderers)) {
            if (r->GetSession() == render->wParam()) {
                r->PictureFinish(render->lParam());
                break;
            }
        }
        return true;
    }
};

} // namespace Ky::Test
