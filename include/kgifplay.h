#pragma once

#include "kcore_global.h"
#include "kframetimer.h"
#include "renderstate.h"
#include "sessionparameter.h"

#include <QImageReader>
#include <QObject>
#include <QRect>
#include <QSize>

#include <memory>

namespace Ky {

// Plays an image file frame by frame in a picture session of the render service: an animated
// GIF, or any single-frame picture. When no effect and no hold timing of the session decides
// the end (no display effect, clear effect immediate or "don't clear", a loop over 5 s), the
// engine reports the end of every loop to the play manager itself, once the loop's last frame
// has been shown for its delay.
class KCORE_EXPORT KGifPlay : public QObject
{
    Q_OBJECT
public:
    // Upper bound of frames counted per file, so a hostile file cannot keep Init busy forever.
    static constexpr int MaxFrames = 100000;

    KGifPlay();
    ~KGifPlay() override;

    void Init(const SessionParameter* parameter);
    void Start();
    // Toggles: a stopped animation runs on, a running one stands still.
    void Pause();
    void Stop();
    RenderState GetRenderState() const { return m_state; }
    // The picture session, 0 when none; callers change its effects through the render service.
    quint32 GetSession() const { return m_session; }
    // Changes the running session's hold, unless the engine itself ends the loops (then the
    // session holds until the engine reports).
    void UpdateHold(int ms);

    // Runs the frame timer's expiry at once (tools and tests step the animation without waiting).
    void StepFrame() { OnFrameTimer(); }
    bool IsRunning() const { return m_timer.isActive(); }

    int FrameCount() const { return m_frames; }
    int LoopDuration() const { return m_loop; }
    QSize PictureSize() const { return m_size; }
    // True when the engine, not the session's timing, reports the end of each loop.
    bool EngineEndsLoop() const;

Q_SIGNALS:
    // A frame went to the texture (index counts from 0 within the loop).
    void FrameShown(int index);

private:
    void OnFrameTimer();
    void ShowFrame();
    void Rewind();
    void Scan();

    QString m_file;
    QRect m_place;
    quint32 m_effect[6] = {};
    quint32 m_fillType = 0;
    quint8 m_spareFlag = 1;
    quint8 m_alphaBlend = 1;
    quint32 m_area = 0;
    quint32 m_session = 0;
    quint32 m_texture = 0;
    std::unique_ptr<QImageReader> m_reader;
    int m_frames = 0;
    int m_loop = 0;
    QSize m_size;
    int m_index = 0;
    int m_lastDelay = 0;
    RenderState m_state = RENDER_BY_SESSION;
    bool m_animating = false; // more frames are to come
    bool m_loopShown = false; // the last frame of the loop is up
    bool m_paused = false;
    KFrameTimer m_timer;
};

} // namespace Ky
