#include "kcompositor.h"

#include "krenderevent.h"
#include "scenerender.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <QPainter>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cstring>

Q_LOGGING_CATEGORY(lcSceneRender, "kestrova.scenerender")

namespace Ky {

namespace {

constexpr QRgb kBackground = 0xFF000000;  // an unlit sign
constexpr QRgb kFocusColour = 0xFFFFFF00;
constexpr int kFocusWidth = 2;
constexpr int kMaxCoordinate = 65536;

bool validSize(int width, int height)
{
    return width > 0 && height > 0 && width <= KCompositor::MaxSide
           && height <= KCompositor::MaxSide;
}

} // namespace

KCompositor& KCompositor::instance()
{
    // Never destroyed: views connect to it once, and its timer must not outlive the event loop
    // in a static destructor.
    static KCompositor* compositor = new KCompositor;
    return *compositor;
}

KCompositor::KCompositor() = default;

quint32 KCompositor::NextHandle()
{
    if (++m_nextHandle == 0)
        ++m_nextHandle;
    return m_nextHandle;
}

KCompositor::Area* KCompositor::AreaById(quint32 areaId)
{
    const auto id = m_areaIds.constFind(areaId);
    if (areaId == 0 || id == m_areaIds.constEnd())
        return nullptr;
    const auto area = m_areas.find(id.value());
    return area == m_areas.end() ? nullptr : &area->second;
}

const KCompositor::Area* KCompositor::AreaById(quint32 areaId) const
{
    return const_cast<KCompositor*>(this)->AreaById(areaId);
}

KCompositor::Session* KCompositor::SessionIn(quint32 areaId, quint32 picture, Area** area)
{
    Area* a = AreaById(areaId);
    const auto session = m_sessions.find(picture);
    if (!a || picture == 0 || session == m_sessions.end() || session->second.area != areaId)
        return nullptr;
    if (area)
        *area = a;
    return &session->second;
}

// ---- Renderer -----------------------------------------------------------------------------

bool KCompositor::Create()
{
    QMutexLocker lock(&m_mutex);
    m_created = true;
    return true;
}

bool KCompositor::Init(QObject* window, int width, int height, int interval)
{
    QMutexLocker lock(&m_mutex);
    if (!m_created || !window || !validSize(width, height))
        return false;
    QImage frame(width, height, QImage::Format_ARGB32_Premultiplied);
    if (frame.isNull())
        return false;
    frame.fill(kBackground);
    m_frame = frame;
    m_window = window;
    m_interval = interval > 0 && interval <= 1000 ? interval : 40;
    if (m_rendererHandle == 0) {
        m_rendererHandle = NextHandle();
        m_deviceHandle = NextHandle();
    }
    m_deviceAttached = true;
    m_initialised = true;
    return true;
}

bool KCompositor::Start()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_initialised)
            return false;
        if (m_timer)
            return true;
    }
    // The timer lives on the calling thread; only that thread composes from then on.
    auto* timer = new QTimer;
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &KCompositor::Tick, Qt::DirectConnection);
    QMutexLocker lock(&m_mutex);
    m_timer = timer;
    m_clock.start();
    m_lastTick = 0;
    m_timer->start(m_interval);
    return true;
}

void KCompositor::Tick()
{
    qint64 elapsed = 0;
    {
        QMutexLocker lock(&m_mutex);
        const qint64 now = m_clock.elapsed();
        elapsed = now - m_lastTick;
        m_lastTick = now;
    }
    Step(int(std::clamp<qint64>(elapsed, 0, INT_MAX)));
}

bool KCompositor::Device(quint32* first, quint32* second) const
{
    QMutexLocker lock(&m_mutex);
    if (!m_initialised || !first || !second)
        return false;
    *first = m_rendererHandle;
    *second = m_deviceHandle;
    return true;
}

bool KCompositor::SetDevice(quint32 device)
{
    QMutexLocker lock(&m_mutex);
    if (!m_initialised || (device != 0 && device != m_deviceHandle))
        return false;
    m_deviceAttached = device != 0;
    return true;
}

bool KCompositor::Resize(int width, int height)
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_initialised || !validSize(width, height))
            return false;
        QImage frame(width, height, QImage::Format_ARGB32_Premultiplied);
        if (frame.isNull())
            return false;
        frame.fill(kBackground);
        m_frame = frame;
        m_pending.push_back({0, KRenderEvent::DeviceRestored});
    }
    Flush();
    return true;
}

bool KCompositor::SetPlayStatus(int status)
{
    QMutexLocker lock(&m_mutex);
    if (status < 0 || status > 2)
        return false;
    m_status = status;
    if (status == 2) {
        for (auto& entry : m_areas)
            RestartArea(entry.second);
        if (!m_frame.isNull())
            m_frame.fill(kBackground);
    }
    return true;
}

void KCompositor::SwitchAlpha(bool on)
{
    QMutexLocker lock(&m_mutex);
    if (m_alpha != on) {
        m_alpha = on;
        ++m_alphaEpoch; // every prepared picture is made again
    }
}

bool KCompositor::SetFocus(quint32 areaId)
{
    QMutexLocker lock(&m_mutex);
    if (!AreaById(areaId))
        return false;
    m_focus = areaId;
    return true;
}

void KCompositor::CancelFocus()
{
    QMutexLocker lock(&m_mutex);
    m_focus = 0;
}

// ---- Areas --------------------------------------------------------------------------------

quint32 KCompositor::CreateArea(const QRect& rect, int alpha, int layer,
                                const std::array<quint32, 6>& values)
{
    QMutexLocker lock(&m_mutex);
    if (!m_created || !validSize(rect.width(), rect.height())
        || std::abs(rect.x()) > kMaxCoordinate || std::abs(rect.y()) > kMaxCoordinate)
        return 0;
    Area area;
    area.handle = NextHandle();
    area.rect = rect;
    area.alpha = std::clamp(alpha, 0, 255);
    area.layer = layer;
    area.order = m_nextOrder++;
    area.values = values;
    const quint32 handle = area.handle;
    m_areas.emplace(handle, std::move(area));
    return handle;
}

quint32 KCompositor::RegisterArea(quint32 handle)
{
    QMutexLocker lock(&m_mutex);
    const auto found = m_areas.find(handle);
    if (handle == 0 || found == m_areas.end())
        return 0;
    Area& area = found->second;
    if (area.id == 0) {
        area.id = NextHandle();
        m_areaIds.insert(area.id, handle);
        m_drawOrder.push_back(&area);
        m_orderDirty = true;
    }
    return area.id;
}

bool KCompositor::UnregisterArea(quint32 areaId)
{
    QMutexLocker lock(&m_mutex);
    Area* area = AreaById(areaId);
    if (!area)
        return false;
    for (quint32 picture : area->pictures) {
        const auto session = m_sessions.find(picture);
        if (session != m_sessions.end())
            session->second.area = 0;
    }
    area->pictures.clear();
    RestartArea(*area);
    m_drawOrder.erase(std::remove(m_drawOrder.begin(), m_drawOrder.end(), area),
                      m_drawOrder.end());
    m_areaIds.remove(areaId);
    area->id = 0;
    if (m_focus == areaId)
        m_focus = 0;
    return true;
}

bool KCompositor::FreeArea(quint32 handle)
{
    quint32 id = 0;
    {
        QMutexLocker lock(&m_mutex);
        const auto found = m_areas.find(handle);
        if (handle == 0 || found == m_areas.end())
            return false;
        id = found->second.id;
    }
    if (id != 0)
        UnregisterArea(id);
    QMutexLocker lock(&m_mutex);
    m_areas.erase(handle);
    return true;
}

bool KCompositor::SetAreaLayer(quint32 areaId, int layer)
{
    QMutexLocker lock(&m_mutex);
    Area* area = AreaById(areaId);
    if (!area)
        return false;
    area->layer = layer;
    m_orderDirty = true;
    return true;
}

void KCompositor::SortAreas()
{
    if (!m_orderDirty)
        return;
    std::stable_sort(m_drawOrder.begin(), m_drawOrder.end(), [](const Area* a, const Area* b) {
        const int la = a->layer < 0 ? INT_MAX : a->layer;
        const int lb = b->layer < 0 ? INT_MAX : b->layer;
        return la != lb ? la < lb : a->order < b->order;
    });
    m_orderDirty = false;
}

// ---- Textures and surfaces ----------------------------------------------------------------

quint32 KCompositor::CreateImage(int width, int height, bool surface)
{
    QMutexLocker lock(&m_mutex);
    if (!m_created || !validSize(width, height))
        return 0;
    Image image;
    image.pixels = QImage(width, height, QImage::Format_ARGB32);
    if (image.pixels.isNull())
        return 0;
    image.pixels.fill(0);
    const quint32 handle = NextHandle();
    (surface ? m_surfaces : m_textures).insert(handle, image);
    return handle;
}

bool KCompositor::UpdateImage(quint32 handle, bool surface, const void* pixels, int width,
                              int height)
{
    if (!pixels || !validSize(width, height))
        return false;
    QMutexLocker lock(&m_mutex);
    auto& table = surface ? m_surfaces : m_textures;
    const auto found = table.find(handle);
    if (handle == 0 || found == table.end())
        return false;
    QImage& target = found->pixels;
    const int rows = std::min(height, target.height());
    const size_t rowBytes = size_t(std::min(width, target.width())) * 4;
    const auto* source = static_cast<const uchar*>(pixels);
    for (int y = 0; y < rows; ++y)
        std::memcpy(target.scanLine(y), source + size_t(y) * size_t(width) * 4, rowBytes);
    ++found->version;
    return true;
}

bool KCompositor::SurfaceToTexture(quint32 texture, quint32 surface)
{
    QMutexLocker lock(&m_mutex);
    const auto t = m_textures.find(texture);
    const auto s = m_surfaces.constFind(surface);
    if (texture == 0 || surface == 0 || t == m_textures.end() || s == m_surfaces.constEnd())
        return false;
    const QImage& from = s->pixels;
    QImage& to = t->pixels;
    const int rows = std::min(from.height(), to.height());
    const size_t rowBytes = size_t(std::min(from.width(), to.width())) * 4;
    for (int y = 0; y < rows; ++y)
        std::memcpy(to.scanLine(y), from.constScanLine(y), rowBytes);
    ++t->version;
    return true;
}

bool KCompositor::FreeImage(quint32 handle, bool surface)
{
    QMutexLocker lock(&m_mutex);
    // Sessions still naming a freed texture draw nothing from then on.
    return handle != 0 && (surface ? m_surfaces : m_textures).remove(handle);
}

// ---- Picture sessions ---------------------------------------------------------------------

quint32 KCompositor::CreateSession(quint32 texture, const quint32* effect, const QRect& place,
                                   const QRect& source, quint32 key)
{
    QMutexLocker lock(&m_mutex);
    if (!effect || texture == 0 || !m_textures.contains(texture)
        || !validSize(place.width(), place.height()) || source.width() <= 0
        || source.height() <= 0 || std::abs(place.x()) > kMaxCoordinate
        || std::abs(place.y()) > kMaxCoordinate)
        return 0;
    Session session;
    session.texture = texture;
    std::copy(effect, effect + session.effect.size(), session.effect.begin());
    session.place = place;
    session.source = source;
    session.key = key;
    const quint32 handle = NextHandle();
    m_sessions.emplace(handle, std::move(session));
    return handle;
}

bool KCompositor::UpdateEffect(quint32 areaId, quint32 picture, int phase, int effect,
                               int duration)
{
    QMutexLocker lock(&m_mutex);
    Area* area = nullptr;
    Session* session = SessionIn(areaId, picture, &area);
    if (!session || duration < 0 || effect < 0)
        return false;
    const bool running = area->pictures[size_t(area->current)] == picture;
    switch (phase) {
    case PhaseDisplay:
        session->effect[SceneDisplayEffect] = quint32(effect);
        session->effect[SceneDisplayDuration] = quint32(duration);
        if (running && area->phase == PhaseDisplay)
            area->effectInUse = ResolveEffect(*session, effect);
        return true;
    case PhaseClear:
        session->effect[SceneClearEffect] = quint32(effect);
        session->effect[SceneClearDuration] = quint32(duration);
        if (running && area->phase == PhaseClear)
            area->effectInUse = ResolveEffect(*session, effect);
        return true;
    case PhaseHold:
        session->effect[SceneHold] = quint32(duration);
        return true;
    default:
        return false;
    }
}

bool KCompositor::UpdateFillType(quint32 areaId, quint32 picture, quint32 fillType)
{
    QMutexLocker lock(&m_mutex);
    Session* session = SessionIn(areaId, picture, nullptr);
    if (!session)
        return false;
    session->fill = fillType;
    return true;
}

bool KCompositor::AddSession(quint32 areaId, quint32 picture)
{
    QMutexLocker lock(&m_mutex);
    Area* area = AreaById(areaId);
    const auto session = m_sessions.find(picture);
    if (!area || picture == 0 || session == m_sessions.end() || session->second.area != 0)
        return false;
    session->second.area = areaId;
    area->pictures.push_back(picture);
    if (area->pictures.size() == 1)
        RestartArea(*area);
    return true;
}

bool KCompositor::RemoveSession(quint32 areaId, quint32 picture)
{
    QMutexLocker lock(&m_mutex);
    Area* area = nullptr;
    Session* session = SessionIn(areaId, picture, &area);
    if (!session)
        return false;
    session->area = 0;
    auto& pictures = area->pictures;
    const int index = int(std::find(pictures.begin(), pictures.end(), picture) - pictures.begin());
    pictures.erase(pictures.begin() + index);
    if (index < area->current) {
        --area->current;
    } else if (index == area->current) {
        // The next picture takes the place of the removed one from its beginning.
        if (area->current >= int(pictures.size()))
            area->current = 0;
        if (!pictures.empty())
            BeginPhase(*area, PhaseDisplay);
    }
    return true;
}

bool KCompositor::FreeSession(quint32 picture)
{
    quint32 areaId = 0;
    {
        QMutexLocker lock(&m_mutex);
        const auto session = m_sessions.find(picture);
        if (picture == 0 || session == m_sessions.end())
            return false;
        areaId = session->second.area;
    }
    if (areaId != 0)
        RemoveSession(areaId, picture);
    QMutexLocker lock(&m_mutex);
    m_sessions.erase(picture);
    return true;
}

bool KCompositor::NotifyPlayFinish(quint32 areaId)
{
    {
        QMutexLocker lock(&m_mutex);
        const Area* area = AreaById(areaId);
        if (!area)
            return false;
        m_pending.push_back({areaId, area->pictures.empty() ? 0 : area->current});
    }
    Flush();
    return true;
}

bool KCompositor::SessionState(quint32 areaId, quint32 picture, int* phase, int* effect) const
{
    QMutexLocker lock(&m_mutex);
    Area* area = nullptr;
    if (!const_cast<KCompositor*>(this)->SessionIn(areaId, picture, &area))
        return false;
    const bool running = area->pictures[size_t(area->current)] == picture;
    if (phase)
        *phase = running ? int(area->phase) : -1;
    if (effect)
        *effect = running ? area->effectInUse : 0;
    return true;
}

// ---- Play clock ---------------------------------------------------------------------------

void KCompositor::RestartArea(Area& area)
{
    area.current = 0;
    area.roundDone = false;
    area.residual = QImage();
    area.phase = PhaseDisplay;
    area.elapsed = 0;
    area.effectInUse = 0;
    if (!area.pictures.empty())
        BeginPhase(area, PhaseDisplay);
}

void KCompositor::BeginPhase(Area& area, Phase phase)
{
    area.phase = phase;
    area.elapsed = 0;
    area.effectInUse = 0;
    const auto session = m_sessions.find(area.pictures[size_t(area.current)]);
    if (session == m_sessions.end())
        return;
    Session& s = session->second;
    if (phase == PhaseDisplay)
        area.effectInUse = ResolveEffect(s, int(s.effect[SceneDisplayEffect]));
    else if (phase == PhaseClear)
        area.effectInUse = ResolveEffect(s, int(s.effect[SceneClearEffect]));
}

int KCompositor::ResolveEffect(Session& session, int effect)
{
    if (effect == EffectRandom) {
        // xorshift: reproducible runs, and never the same effect twice in a row.
        constexpr int count = KEffectGeometry::LastDrawn - KEffectGeometry::FirstDrawn + 1;
        int pick = 0;
        do {
            m_random ^= m_random << 13;
            m_random ^= m_random >> 17;
            m_random ^= m_random << 5;
            pick = KEffectGeometry::FirstDrawn + int(m_random % count);
        } while (pick == session.lastRandom);
        session.lastRandom = pick;
        return pick;
    }
    if (effect >= KEffectGeometry::FirstDrawn && effect <= KEffectGeometry::LastDrawn)
        return effect;
    return EffectImmediate; // immediate, don't clear and unknown identifiers
}

// Milliseconds the running phase lasts; -1 for a hold without end.
qint64 KCompositor::PhaseDuration(const Area& area, const Session& session) const
{
    switch (area.phase) {
    case PhaseDisplay:
        return area.effectInUse == EffectImmediate ? 0 : session.effect[SceneDisplayDuration];
    case PhaseHold:
        return session.effect[SceneHold] >= SceneHoldForever ? -1
                                                             : qint64(session.effect[SceneHold]);
    case PhaseClear:
        return area.effectInUse == EffectImmediate ? 0 : session.effect[SceneClearDuration];
    }
    return 0;
}

void KCompositor::Advance(Area& area, qint64 ms)
{
    // Each picture may finish at most once per step, so pictures without any duration cannot
    // spin the clock.
    size_t budget = area.pictures.size();
    while (!area.pictures.empty()) {
        const auto found = m_sessions.find(area.pictures[size_t(area.current)]);
        if (found == m_sessions.end())
            return;
        Session& session = found->second;
        const qint64 duration = PhaseDuration(area, session);
        if (duration < 0)
            return;
        if (area.elapsed + ms < duration) {
            area.elapsed += ms;
            return;
        }
        ms -= std::max<qint64>(0, duration - area.elapsed);
        switch (area.phase) {
        case PhaseDisplay:
            area.residual = QImage(); // the new picture has covered the one that stayed
            BeginPhase(area, PhaseHold);
            break;
        case PhaseHold:
            if (session.effect[SceneClearEffect] == EffectDontClear && Prepare(session)) {
                area.residual = session.prepared;
                area.residualPlace = session.place;
            }
            BeginPhase(area, PhaseClear);
            break;
        case PhaseClear:
            m_pending.push_back({area.id, area.current});
            if (area.current == int(area.pictures.size()) - 1)
                area.roundDone = true;
            area.current = (area.current + 1) % int(area.pictures.size());
            BeginPhase(area, PhaseDisplay);
            if (--budget == 0)
                return;
            break;
        }
    }
}

void KCompositor::CheckAllFinished()
{
    bool any = false;
    for (const Area* area : m_drawOrder) {
        if (area->pictures.empty())
            continue;
        if (!area->roundDone)
            return;
        any = true;
    }
    if (!any)
        return;
    for (Area* area : m_drawOrder)
        area->roundDone = false;
    m_pending.push_back({0, KRenderEvent::AllAreasFinished});
}

bool KCompositor::Step(int ms)
{
    QPointer<QObject> window;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_initialised || ms < 0)
            return false;
        if (!m_deviceAttached)
            return true; // nothing is drawn without a device
        if (m_status != 1) {
            for (Area* area : m_drawOrder)
                Advance(*area, ms);
            CheckAllFinished();
        }
        ComposeLocked();
        window = m_window;
    }
    Flush();
    Q_EMIT FrameComposed();
    if (window && window->isWidgetType() && QThread::currentThread() == window->thread())
        static_cast<QWidget*>(window.data())->update();
    return true;
}

void KCompositor::Flush()
{
    std::vector<Pending> pending;
    QPointer<QObject> window;
    {
        QMutexLocker lock(&m_mutex);
        pending.swap(m_pending);
        window = m_window;
    }
    if (!window)
        return;
    for (const Pending& event : pending)
        QCoreApplication::postEvent(window, new KRenderEvent(event.wParam, event.lParam));
}

// ---- Composing ----------------------------------------------------------------------------

// Makes the picture at the size of its place, by its fill type, in the format that draws
// fastest: RGB32 when it is opaque (a plain copy), premultiplied ARGB otherwise.
bool KCompositor::Prepare(Session& session)
{
    const auto texture = m_textures.constFind(session.texture);
    if (texture == m_textures.constEnd()) {
        session.prepared = QImage();
        session.preparedValid = false;
        return false;
    }
    if (session.preparedValid && session.preparedVersion == texture->version
        && session.preparedFill == session.fill && session.preparedAlphaEpoch == m_alphaEpoch)
        return !session.prepared.isNull();

    session.preparedValid = true;
    session.preparedVersion = texture->version;
    session.preparedFill = session.fill;
    session.preparedAlphaEpoch = m_alphaEpoch;
    session.prepared = QImage();

    const QRect source = session.source & texture->pixels.rect();
    const QSize place = session.place.size();
    if (source.isEmpty())
        return false;

    QImage picture = texture->pixels.copy(source);
    if (picture.isNull())
        return false;
    bool opaque = true;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (session.key != 0 && line[x] == session.key)
                line[x] = 0;
            if (!m_alpha)
                line[x] |= 0xFF000000; // colours as they are, alpha ignored
            else if (qAlpha(line[x]) != 255)
                opaque = false;
        }
    }
    if (opaque)
        picture.reinterpretAsFormat(QImage::Format_RGB32);
    else
        picture.convertTo(QImage::Format_ARGB32_Premultiplied);

    const int fill = int(session.fill);
    if (fill != 1 && fill != 2 && fill != 3) {
        session.prepared = picture.size() == place
                               ? picture
                               : picture.scaled(place, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
        return !session.prepared.isNull();
    }

    // Centre, tile and keep-ratio leave parts of the place uncovered: transparent, or black
    // when alpha blending is off.
    const bool canvasOpaque = !m_alpha || (opaque && fill == 2);
    QImage canvas(place, canvasOpaque ? QImage::Format_RGB32
                                      : QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        return false;
    canvas.fill(canvasOpaque ? kBackground : 0);
    {
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        if (fill == 1) {
            painter.drawImage((place.width() - picture.width()) / 2,
                              (place.height() - picture.height()) / 2, picture);
        } else if (fill == 2) {
            for (int y = 0; y < place.height(); y += picture.height())
                for (int x = 0; x < place.width(); x += picture.width())
                    painter.drawImage(x, y, picture);
        } else {
            const QImage scaled =
                picture.scaled(place, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            painter.drawImage((place.width() - scaled.width()) / 2,
                              (place.height() - scaled.height()) / 2, scaled);
        }
    }
    session.prepared = canvas;
    return true;
}

void KCompositor::DrawImage(QPainter& painter, const QImage& image, const QRect& place,
                            const KEffectFrame& frame, const QPoint& origin, const QRect& clip)
{
    if (frame.opacity <= 0.0)
        return;
    const QPoint placeOrigin = origin + place.topLeft();
    const QRect content(frame.offset, image.size());
    painter.setOpacity(frame.opacity);
    for (const QRect& part : frame.parts) {
        const QRect target = (part & content).translated(placeOrigin) & clip;
        if (target.isEmpty())
            continue;
        const QPoint from = target.topLeft() - placeOrigin - frame.offset;
        painter.drawImage(target.topLeft(), image, QRect(from, target.size()));
    }
    painter.setOpacity(1.0);
}

void KCompositor::DrawArea(QPainter& painter, Area& area, const QPoint& origin,
                           const QRect& clip)
{
    const QRgb background = area.values[0];
    if (qAlpha(background) != 0 || (!m_alpha && background != 0)) {
        painter.fillRect(clip, QColor::fromRgba(m_alpha ? background : background | 0xFF000000));
    }
    if (!area.residual.isNull()) {
        KEffectGeometry::Frame(EffectImmediate, true, 1.0, area.residual.size(), m_effectFrame);
        DrawImage(painter, area.residual, area.residualPlace, m_effectFrame, origin, clip);
    }
    if (area.pictures.empty())
        return;
    const auto found = m_sessions.find(area.pictures[size_t(area.current)]);
    if (found == m_sessions.end() || !Prepare(found->second))
        return;
    Session& session = found->second;
    const qint64 duration = PhaseDuration(area, session);
    const qreal progress = duration > 0 ? qreal(area.elapsed) / qreal(duration) : 1.0;
    switch (area.phase) {
    case PhaseDisplay:
        KEffectGeometry::Frame(area.effectInUse, true, progress, session.prepared.size(),
                               m_effectFrame);
        break;
    case PhaseHold:
        KEffectGeometry::Frame(EffectImmediate, true, 1.0, session.prepared.size(),
                               m_effectFrame);
        break;
    case PhaseClear:
        KEffectGeometry::Frame(area.effectInUse, false, progress, session.prepared.size(),
                               m_effectFrame);
        break;
    }
    DrawImage(painter, session.prepared, session.place, m_effectFrame, origin, clip);
}

void KCompositor::ComposeLocked()
{
    if (m_frame.isNull())
        return;
    SortAreas();
    m_frame.fill(kBackground);
    QPainter painter(&m_frame);
    const QRect frameRect = m_frame.rect();
    for (Area* area : m_drawOrder) {
        const QRect clip = area->rect & frameRect;
        if (clip.isEmpty() || (m_alpha && area->alpha == 0))
            continue;
        if (m_alpha && area->alpha < 255) {
            // Compose the area on its own, then lay it on the frame with the area's opacity.
            if (area->scratch.size() != clip.size())
                area->scratch = QImage(clip.size(), QImage::Format_ARGB32_Premultiplied);
            if (area->scratch.isNull())
                continue;
            area->scratch.fill(0);
            {
                QPainter scratch(&area->scratch);
                DrawArea(scratch, *area, area->rect.topLeft() - clip.topLeft(),
                         area->scratch.rect());
            }
            painter.setOpacity(area->alpha / 255.0);
            painter.drawImage(clip.topLeft(), area->scratch);
            painter.setOpacity(1.0);
        } else {
            DrawArea(painter, *area, area->rect.topLeft(), clip);
        }
    }
    if (const Area* focus = AreaById(m_focus)) {
        const QRect r = focus->rect;
        const int w = std::min(kFocusWidth, r.width());
        const int h = std::min(kFocusWidth, r.height());
        const QColor colour = QColor::fromRgba(kFocusColour);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), h), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - h + 1, r.width(), h), colour);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
    }
}

QImage KCompositor::Capture() const
{
    QMutexLocker lock(&m_mutex);
    return m_frame;
}

// ---- Teardown -----------------------------------------------------------------------------

void KCompositor::ResetLocked()
{
    m_created = false;
    m_initialised = false;
    m_window = nullptr;
    m_frame = QImage();
    m_interval = 40;
    m_rendererHandle = 0;
    m_deviceHandle = 0;
    m_deviceAttached = true;
    m_status = 0;
    m_alpha = true;
    ++m_alphaEpoch;
    m_focus = 0;
    m_textures.clear();
    m_surfaces.clear();
    m_drawOrder.clear();
    m_areaIds.clear();
    m_areas.clear();
    m_sessions.clear();
    m_pending.clear();
    m_orderDirty = false;
    // Handles keep counting, so a handle from before never names a new object.
}

void KCompositor::Destroy()
{
    QTimer* timer = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        timer = m_timer;
        m_timer = nullptr;
        ResetLocked();
    }
    if (timer) {
        if (timer->thread() == QThread::currentThread())
            delete timer;
        else
            timer->deleteLater();
    }
}

} // namespace Ky
