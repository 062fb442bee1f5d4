#pragma once

#include "kcore_global.h"

#include <QObject>
#include <QTimer>

namespace Ky {

// The single-shot timer of the playback engines. Normally a QTimer; in stepped mode (set by
// tools that compose frames without waiting, such as snapshots) it ignores the wall clock and
// fires only when Advance moves the play time past its expiry, so the same moment always
// shows the same frames. Used on the GUI thread only.
class KCORE_EXPORT KFrameTimer : public QObject
{
    Q_OBJECT
public:
    KFrameTimer();
    ~KFrameTimer() override;

    void start(int ms);
    void stop();
    bool isActive() const;

    // Switches every engine timer of the process to stepped mode (or back); timers that run
    // at the switch start over from the moment of the switch.
    static void SetStepped(bool stepped);
    static bool IsStepped();
    // Moves the play time of every stepped timer on by ms, firing those that expire, in
    // order, as often as they expire (bounded, so a zero-delay animation cannot spin).
    static void Advance(int ms);

Q_SIGNALS:
    void timeout();

private:
    void AdvanceBy(int ms);

    QTimer m_timer;
    bool m_steppedActive = false;
    int m_remaining = 0;
};

} // namespace Ky
