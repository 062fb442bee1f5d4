#pragma once

#include "scenerender_global.h"

#include <QEvent>

namespace Ky {

// What the render service tells its window. wParam and lParam keep the two numbers of the
// message: area id and picture index for a finished picture; 0 and 0 device lost; 0 and 1
// device restored; 0 and AllAreasFinished: every area has played its pictures through.
class KSCENERENDER_EXPORT KRenderEvent : public QEvent
{
public:
    enum : int { Message = 1280, DeviceLost = 0, DeviceRestored = 1, AllAreasFinished = -1 };

    KRenderEvent(quint32 wParam, int lParam);

    // The registered event type of every render event.
    static QEvent::Type eventType();

    int message() const { return Message; }
    quint32 wParam() const { return m_wParam; }
    int lParam() const { return m_lParam; }

private:
    quint32 m_wParam;
    int m_lParam;
};

} // namespace Ky
