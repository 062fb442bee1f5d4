#pragma once

#include "keffectgeometry.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>
#include <unordered_map>
#include <vector>

class QPainter;
class QTimer;

namespace Ky {

// The state behind the render-service calls: textures, surfaces, picture sessions and areas,
// the play clock and the frame they compose into. One instance per process, living as long as
// the process (the frame views stay connected to it across DestroyRenderer).
class KCompositor : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxSide = 8192;

    static KCompositor& instance();

    bool Create();
    bool Init(QObject* window, int width, int height, int interval);
    bool Start();
    bool Device(quint32* first, quint32* second) const;
    bool SetDevice(quint32 device);
    bool Resize(int width, int height);
    bool SetPlayStatus(int status);
    void SwitchAlpha(bool on);
    bool SetFocus(quint32 areaId);
    void CancelFocus();

    quint32 CreateArea(const QRect& rect, int alpha, int layer, const std::array<quint32, 6>& values);
    quint32 RegisterArea(quint32 handle);
    bool UnregisterArea(quint32 areaId);
    bool FreeArea(quint32 handle);
    bool SetAreaLayer(quint32 areaId, int layer);

    quint32 CreateImage(int width, int height, bool surface);
    bool UpdateImage(quint32 handle, bool surface, const void* pixels, int width, int height);
    bool SurfaceToTexture(quint32 texture, quint32 surface);
    bool FreeImage(quint32 handle, bool surface);

    quint32 CreateSession(quint32 texture, const quint32* effect, const QRect& place,
                          const QRect& source, quint32 key);
    bool UpdateEffect(quint32 areaId, quint32 picture, int phase, int effect, int duration);
    bool UpdateFillType(quint32 areaId, quint32 picture, quint32 fillType);
    bool AddSession(quint32 areaId, quint32 picture);
    bool RemoveSession(quint32 areaId, quint32 picture);
    bool FreeSession(quint32 picture);
    bool NotifyPlayFinish(quint32 areaId);
    bool SessionState(quint32 areaId, quint32 picture, int* phase, int* effect) const;

    QImage Capture() const;
    bool Step(int ms);
    void Destroy();

Q_SIGNALS:
    // A new frame is ready (on the thread that composed it).
    void FrameComposed();

private:
    enum Phase { PhaseDisplay = 0, PhaseClear = 1, PhaseHold = 2 };

    struct Image
    {
        QImage pixels; // Format_ARGB32
        quint64 version = 0;
    };

    struct Session
    {
        quint32 texture = 0;
        std::array<quint32, 6> effect{};
        QRect place;
        QRect source;
        quint32 key = 0;
        quint32 fill = 0;
        quint32 area = 0;      // area id it plays in, 0 when none
        int lastRandom = 0;    // the last effect random picked, never picked twice in a row
        // The picture scaled to its place, made again only when one of the inputs changes.
        QImage prepared;
        bool preparedValid = false;
        quint64 preparedVersion = 0;
        quint32 preparedFill = 0;
        quint64 preparedAlphaEpoch = 0;
    };

    struct Area
    {
        quint32 handle = 0;
        quint32 id = 0;        // 0 until registered
        QRect rect;
        int alpha = 255;
        int layer = -1;
        quint64 order = 0;     // creation order, breaks ties between layers
        std::array<quint32, 6> values{};
        std::vector<quint32> pictures;
        int current = 0;
        Phase phase = PhaseDisplay;
        qint64 elapsed = 0;
        int effectInUse = 0;
        bool roundDone = false;
        // A picture that ended with "don't clear" stays under the next one until that one has
        // entered.
        QImage residual;
        QRect residualPlace;
        QImage scratch;        // for areas drawn with their own opacity
    };

    struct Pending
    {
        quint32 wParam;
        int lParam;
    };

    KCompositor();

    quint32 NextHandle();
    Area* AreaById(quint32 areaId);
    const Area* AreaById(quint32 areaId) const;
    Session* SessionIn(quint32 areaId, quint32 picture, Area** area);
    void ResetLocked();
    void RestartArea(Area& area);
    void BeginPhase(Area& area, Phase phase);
    int ResolveEffect(Session& session, int effect);
    qint64 PhaseDuration(const Area& area, const Session& session) const;
    void Advance(Area& area, qint64 ms);
    void CheckAllFinished();
    void ComposeLocked();
    void DrawArea(QPainter& painter, Area& area, const QPoint& origin, const QRect& clip);
    void DrawImage(QPainter& painter, const QImage& image, const QRect& place,
                   const KEffectFrame& frame, const QPoint& origin, const QRect& clip);
    bool Prepare(Session& session);
    void SortAreas();
    void Flush();
    void Tick();

    mutable QMutex m_mutex;
    bool m_created = false;
    bool m_initialised = false;
    QPointer<QObject> m_window;
    QImage m_frame;
    int m_interval = 40;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_clock;
    qint64 m_lastTick = 0;
    quint32 m_rendererHandle = 0;
    quint32 m_deviceHandle = 0;
    bool m_deviceAttached = true;
    int m_status = 0;
    bool m_alpha = true;
    quint64 m_alphaEpoch = 1;
    quint32 m_focus = 0;
    quint32 m_nextHandle = 0;
    quint64 m_nextOrder = 0;
    quint32 m_random = 0x2545F491u;

    QHash<quint32, Image> m_textures;
    QHash<quint32, Image> m_surfaces;
    // Node-based maps: areas and sessions are held by pointer while other entries come and go.
    std::unordered_map<quint32, Session> m_sessions;
    std::unordered_map<quint32, Area> m_areas; // by handle
    QHash<quint32, quint32> m_areaIds;     // area id -> handle
    std::vector<Area*> m_drawOrder;        // registered areas, bottom first
    bool m_orderDirty = false;
    std::vector<Pending> m_pending;
    KEffectFrame m_effectFrame;
};

} // namespace Ky
