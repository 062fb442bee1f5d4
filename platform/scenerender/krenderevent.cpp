#include "krenderevent.h"

namespace Ky {

KRenderEvent::KRenderEvent(quint32 wParam, int lParam)
    : QEvent(eventType()), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type KRenderEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

} // namespace Ky
