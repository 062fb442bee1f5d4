#pragma once

// Stands in for the preview window in tests: keeps the render service's events in arrival
// order as (wParam, lParam) pairs. Subclasses react to them in Received.

#include "krenderevent.h"

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPair>

namespace Ky::Test {

using RenderEventPair = QPair<quint32, int>;

class RenderEventLog : public QObject
{
public:
    // areaEventsOnly: keep only the events of an area (finished pictures), not those of the
    // whole frame (device lost or restored, all areas finished).
    explicit RenderEventLog(bool areaEventsOnly = false) : m_areaEventsOnly(areaEventsOnly) {}

    QList<RenderEventPair> events;

    bool event(QEvent* e) override
    {
        if (e->type() != KRenderEvent::eventType())
            return QObject::event(e);
        const auto* render = static_cast<KRenderEvent*>(e);
        if (!m_areaEventsOnly || render->wParam() != 0)
            events.append({render->wParam(), render->lParam()});
        Received(*render);
        return true;
    }

protected:
    virtual void Received(const KRenderEvent&) {}

private:
    const bool m_areaEventsOnly;
};

} // namespace Ky::Test
