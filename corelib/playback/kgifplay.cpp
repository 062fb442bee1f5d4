#include "kgifplay.h"

#include "scenerender.h"

#include <QFileInfo>

#include <climits>

namespace Ky {

namespace {
constexpr int kEngineLoopMs = 5000;
constexpr int kMaxSide = 8192;
} // namespace

KGifPlay::KGifPlay()
{
    connect(&m_timer, &KFrameTimer::timeout, this, &KGifPlay::OnFrameTimer);
}

KGifPlay::~KGifPlay()
{
    Stop();
}

void KGifPlay::Init(const SessionParameter* parameter)
{
    if (!parameter)
        return;
    m_area = parameter->area;
    m_place = QRect(parameter->x, parameter->y, parameter->width, parameter->height);
    std::copy(parameter->effect, parameter->effect + 6, m_effect);
    m_fillType = parameter->fillType;
    m_spareFlag = parameter->spareFlag;
    m_alphaBlend = parameter->alphaBlend;
    if (parameter->file != m_file || !m_reader) {
        m_file = parameter->file;
        Scan();
    }
}

// Counts the frames and sums their delays by reading the file once.
void KGifPlay::Scan()
{
    m_frames = 0;
    m_loop = 0;
    m_size = QSize();
    Rewind();
    qint64 loop = 0;
    while (m_frames < MaxFrames) {
        const QImage frame = m_reader->read();
        if (frame.isNull())
            break;
        if (m_frames == 0)
            m_size = frame.size();
        ++m_frames;
        loop += qMax(0, m_reader->nextImageDelay());
    }
    m_loop = int(qMin<qint64>(loop, INT_MAX));
    Rewind();
}

void KGifPlay::Rewind()
{
    m_reader = std::make_unique<QImageReader>(m_file);
}

bool KGifPlay::EngineEndsLoop() const
{
    const quint32 clear = m_effect[SceneClearEffect];
    return m_effect[SceneDisplayEffect] == 0 && (clear == 0 || clear == 20) &&
           m_loop > kEngineLoopMs;
}

void KGifPlay::Start()
{
    Stop();
    if (m_file.isEmpty() || !QFileInfo(m_file).isFile()) {
        m_state = RENDER_FILE_MISSING;
        return;
    }
    m_state = RENDER_BY_ENGINE;
    // A picture that does not decode, or is larger than a texture can be, still gets a
    // session: it shows nothing for its time, and the area goes on as with any picture.
    const bool fits = m_size.isValid() && m_size.width() <= kMaxSide && m_size.height() <= kMaxSide;
    const QSize size = fits ? m_size : QSize(1, 1);
    m_texture = CreateTexture(size.width(), size.height());
    quint32 effect[6];
    std::copy(m_effect, m_effect + 6, effect);
    // When the engine reports the loops, the session must not end the picture a second time.
    if (EngineEndsLoop())
        effect[SceneHold] = SceneHoldForever;
    const qint32 rects[8] = {m_place.x(), m_place.y(), m_place.width(), m_place.height(),
                             0,           0,           size.width(),    size.height()};
    m_session = m_texture ? CreatePictureSession(2, &m_texture, 4, effect, rects, 0) : 0;
    if (m_session) {
        AddPictureSession(m_area, m_session, 0);
        UpdatePictureSessionFillType(m_area, m_session, m_fillType);
    }
    m_animating = true;
    m_paused = false;
    m_loopShown = false;
    m_timer.start(0);
    if (!EngineEndsLoop())
        m_state = RENDER_BY_SESSION;
}

void KGifPlay::OnFrameTimer()
{
    m_timer.stop();
    if (!m_animating)
        return;
    if (m_loopShown) {
        // The last frame has had its time: the loop is over. Reporting it when the last frame
        // appears would cut that frame short, and a single frame to nothing.
        m_loopShown = false;
        if (EngineEndsLoop()) {
            m_state = RENDER_BY_SESSION;
            NotifyPlayManagerPlayFinish(m_area);
        }
        if (m_frames < 2) {
            m_animating = false; // a still picture stays as it is
            return;
        }
    }
    const int shown = m_index;
    ShowFrame();
    Q_EMIT FrameShown(shown);
    if (m_index >= m_frames - 1) {
        m_index = 0;
        Rewind();
        m_loopShown = true;
    } else {
        ++m_index;
    }
    if (!m_paused)
        m_timer.start(qMax(0, m_lastDelay));
}

void KGifPlay::ShowFrame()
{
    QImage frame = m_reader ? m_reader->read() : QImage();
    m_lastDelay = m_reader ? m_reader->nextImageDelay() : 0;
    if (frame.isNull() || !m_texture)
        return;
    if (frame.format() != QImage::Format_ARGB32)
        frame.convertTo(QImage::Format_ARGB32);
    if (!m_alphaBlend) {
        for (int y = 0; y < frame.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
            for (int x = 0; x < frame.width(); ++x) {
                if (qAlpha(line[x]) == 0)
                    line[x] = 0xFF000000;
            }
        }
    }
    UpdateTextureData(m_texture, frame.constBits(), frame.width(), frame.height());
}

void KGifPlay::Pause()
{
    // A still picture that has been shown stays as it is: resuming must not show it (and
    // report it) again.
    m_paused = !m_paused;
    if (m_paused)
        m_timer.stop();
    else if (m_animating)
        m_timer.start(0);
}

void KGifPlay::Stop()
{
    m_timer.stop();
    m_animating = false;
    m_paused = false;
    m_loopShown = false;
    m_index = 0;
    Rewind();
    if (m_session) {
        RemovePictureSession(m_area, m_session);
        FreePictureSession(m_session);
        m_session = 0;
    }
    if (m_texture) {
        FreeTexture(m_texture);
        m_texture = 0;
    }
}

void KGifPlay::UpdateHold(int ms)
{
    if (!m_session)
        return;
    UpdatePictureSessionEffect(m_area, m_session, 2, 0,
                               EngineEndsLoop() ? int(SceneHoldForever) : qMax(0, ms));
}

} // namespace Ky
