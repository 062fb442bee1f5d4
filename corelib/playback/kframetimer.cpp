#include "kframetimer.h"

#include <QList>

#include <algorithm>

namespace Ky {

namespace {

bool g_stepped = false;
QList<KFrameTimer*> g_timers; // every live timer, in creation order

// Expiries handled per timer and Advance: far more than any animation shows in one frame
// period, few enough that frames of zero delay cannot hold the caller.
constexpr int kMaxFiresPerAdvance = 1000;

} // namespace

KFrameTimer::KFrameTimer()
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &KFrameTimer::timeout);
    g_timers.append(this);
}

KFrameTimer::~KFrameTimer()
{
    g_timers.removeOne(this);
}

void KFrameTimer::start(int ms)
{
    ms = std::max(0, ms);
    if (g_stepped) {
        m_steppedActive = true;
        m_remaining = ms;
    } else {
        m_timer.start(ms);
    }
}

void KFrameTimer::stop()
{
    m_timer.stop();
    m_steppedActive = false;
}

bool KFrameTimer::isActive() const
{
    return g_stepped ? m_steppedActive : m_timer.isActive();
}

void KFrameTimer::SetStepped(bool stepped)
{
    if (stepped == g_stepped)
        return;
    for (KFrameTimer* timer : std::as_const(g_timers)) {
        if (stepped) {
            timer->m_steppedActive = timer->m_timer.isActive();
            timer->m_remaining = timer->m_steppedActive ? timer->m_timer.remainingTime() : 0;
            timer->m_timer.stop();
        } else if (timer->m_steppedActive) {
            timer->m_steppedActive = false;
            timer->m_timer.start(std::max(0, timer->m_remaining));
        }
    }
    g_stepped = stepped;
}

bool KFrameTimer::IsStepped()
{
    return g_stepped;
}

void KFrameTimer::Advance(int ms)
{
    if (!g_stepped || ms < 0)
        return;
    // A handler may create or delete timers: walk a copy and skip the ones gone since.
    const QList<KFrameTimer*> timers = g_timers;
    for (KFrameTimer* timer : timers) {
        if (g_timers.contains(timer))
            timer->AdvanceBy(ms);
    }
}

void KFrameTimer::AdvanceBy(int ms)
{
    if (!m_steppedActive)
        return;
    m_remaining -= ms;
    for (int fired = 0; m_steppedActive && m_remaining <= 0 && fired < kMaxFiresPerAdvance;
         ++fired) {
        // The time past the expiry counts towards the next start from the handler.
        const int over = -m_remaining;
        m_steppedActive = false;
        Q_EMIT timeout();
        if (!g_timers.contains(this))
            return; // deleted by the handler
        if (m_steppedActive)
            m_remaining -= over;
    }
}

} // namespace Ky
