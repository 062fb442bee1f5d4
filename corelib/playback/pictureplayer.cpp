#include "pictureplayer.h"

#include "scenerender.h"

#include <QFileInfo>
#include <QImageReader>

namespace Ky {

namespace {
constexpr quint32 kPictureKey = 0xFF010201;
} // namespace

pictureplayer::pictureplayer(QObject* parent) : QObject(parent)
{
}

pictureplayer::~pictureplayer()
{
    Stop();
}

void pictureplayer::Init(const SessionParameter* parameter)
{
    if (!parameter)
        return;
    Stop();
    m_place = QRect(parameter->x, parameter->y, parameter->width, parameter->height);
    m_area = parameter->area;
    std::copy(parameter->effect, parameter->effect + 6, m_effect);
    m_fillType = parameter->fillType;
    m_spareFlag = parameter->spareFlag;

    QSize source = m_place.size();
    if (m_otherSizeSet) {
        source = m_otherSize;
        m_otherSizeSet = false;
    }
    m_texture = CreateTexture(m_place.width(), m_place.height());
    const qint32 rects[8] = {m_place.x(), m_place.y(), m_place.width(), m_place.height(),
                             0,           0,           source.width(),  source.height()};
    m_session =
        m_texture ? CreatePictureSession(2, &m_texture, 4, m_effect, rects, kPictureKey) : 0;
    if (m_session) {
        AddPictureSession(m_area, m_session, 0);
        UpdatePictureSessionFillType(m_area, m_session, m_fillType);
    }
    if (m_place.width() > 0 && m_place.height() > 0) {
        QImage blank(m_place.size(), QImage::Format_ARGB32);
        if (!blank.isNull()) {
            blank.fill(0);
            UpdateImage(blank);
        }
    }
}

void pictureplayer::UpdateImage(const QImage& image)
{
    m_image = image;
    if (m_image.isNull() || !m_texture)
        return;
    // The render service takes packed 32-bit ARGB rows only.
    if (m_image.format() != QImage::Format_ARGB32)
        m_image.convertTo(QImage::Format_ARGB32);
    UpdateTextureData(m_texture, m_image.constBits(), m_image.width(), m_image.height());
}

void pictureplayer::UpdateImage(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull() || m_place.width() <= 0 || m_place.height() <= 0)
        return;
    UpdateImage(image.scaled(m_place.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void pictureplayer::SetOtherRGBStreamSize(const QSize& size)
{
    m_otherSize = size;
    m_otherSizeSet = true;
}

void pictureplayer::Stop()
{
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

} // namespace Ky
