#pragma once

// Stands in for the preview window in plug-in tests: hands the render service's events to the
// frame renderers the way the preview does, and keeps them.

#include "iframerender.h"
#include "krendereventlog.h"

#include <QList>

namespace Ky::Test {

class PreviewSink : public RenderEventLog
{
public:
    QList<IFrameRender*> renderers;

protected:
    void Received(const KRenderEvent& render) override
    {
        if (render.wParam() == 0) {
            if (render.lParam() == KRenderEvent::AllAreasFinished)
                for (IFrameRender* r : std::as_const(renderers))
                    r->AllFinish();
            return;
        }
        for (IFrameRender* r : std::as_const(renderers)) {
            if (r->GetSession() == render.wParam()) {
                r->PictureFinish(render.lParam());
                break;
            }
        }
    }
};

} // namespace Ky::Test
