#include "ksnapshotplayer.h"

#include "iframerender.h"
#include "kframetimer.h"
#include "knode.h"
#include "kpluginmanager.h"
#include "krenderevent.h"
#include "scenerender.h"

#include <QCoreApplication>

#include <algorithm>

namespace Ky::Cli {

KSnapshotPlayer::KSnapshotPlayer(const QSize& screenSize, int interval)
    : m_interval(std::max(1, interval))
{
    // Animations follow the stepped play time, not the wall clock.
    KFrameTimer::SetStepped(true);
    m_ready =
        CreateRenderer() && InitRenderer(this, screenSize.width(), screenSize.height(), m_interval);
}

KSnapshotPlayer::~KSnapshotPlayer()
{
    for (IFrameRender* renderer : m_renderers) {
        renderer->Stop();
        delete renderer;
    }
    m_renderers.clear();
    DestroyRenderer();
    KFrameTimer::SetStepped(false);
}

int KSnapshotPlayer::Play(KNode* program)
{
    if (!m_ready || !program)
        return 0;
    KPluginManager* plugins = KPluginManager::instance();
    if (IFrameRender* own = plugins->GetFrameRender(program)) {
        own->SetLayer(0);
        own->Start();
        m_renderers.push_back(own);
    }
    int areas = 0;
    for (KNode* area : program->children()) {
        IFrameRender* renderer = plugins->GetFrameRender(area);
        if (!renderer)
            continue;
        renderer->SetLayer(++areas);
        renderer->Start();
        m_renderers.push_back(renderer);
    }
    Deliver();
    return areas;
}

QImage KSnapshotPlayer::FrameAt(int ms)
{
    if (!m_ready)
        return QImage();
    // Step at the frame period, as the clock of the preview would, so that every event
    // reaches its renderer before the next frame is composed.
    while (m_now < ms) {
        const int step = std::min(m_interval, ms - m_now);
        // The engines put the frames due by then into their textures before it is composed.
        KFrameTimer::Advance(step);
        Deliver();
        StepRenderer(step);
        m_now += step;
        Deliver();
    }
    if (m_now == 0)
        StepRenderer(0);
    return CaptureRenderFrame();
}

void KSnapshotPlayer::Deliver()
{
    QCoreApplication::sendPostedEvents(this);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool KSnapshotPlayer::event(QEvent* event)
{
    if (event->type() != KRenderEvent::eventType())
        return QObject::event(event);
    const auto* render = static_cast<KRenderEvent*>(event);
    // Area events carry the area id; the others concern the whole frame.
    if (render->wParam() != 0 && render->lParam() >= 0) {
        for (IFrameRender* renderer : m_renderers) {
            if (renderer->GetSession() == render->wParam())
                renderer->PictureFinish(render->lParam());
        }
    }
    return true;
}

} // namespace Ky::Cli
