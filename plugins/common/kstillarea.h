#pragma once

#include <QImage>
#include <QRect>
#include <QtGlobal>

namespace Ky {

// An area of the render service that shows at most one still picture until it is freed:
// the backdrop of a program, the layer of a border. Owns its handles.
class KStillArea
{
public:
    KStillArea() = default;
    KStillArea(const KStillArea&) = delete;
    KStillArea& operator=(const KStillArea&) = delete;
    ~KStillArea() { Free(); }

    // The area at rect of the frame with its opacity, stacking layer and background colour
    // (ARGB, 0 transparent). Frees what was there before. False when the service refuses.
    bool Create(const QRect& rect, int alpha, int layer, quint32 background);
    // A picture of textureSize pixels drawn stretched into place (area coordinates), held
    // until the area is freed. Its pixels come with Upload.
    bool AddPicture(const QSize& textureSize, const QRect& place);
    // New pixels for the picture; image is converted to 32-bit ARGB when needed.
    void Upload(const QImage& image);
    void SetLayer(int layer);
    void Free();

    // The area id of the render service, 0 when none.
    quint32 area() const { return m_area; }
    bool hasPicture() const { return m_session != 0; }

private:
    quint32 m_handle = 0;
    quint32 m_area = 0;
    quint32 m_texture = 0;
    quint32 m_session = 0;
};

} // namespace Ky
