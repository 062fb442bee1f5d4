#pragma once

#include "kcore_global.h"
#include "sessionparameter.h"

#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>

namespace Ky {

// Shows images that its owner hands over in one picture session, scaled to the place (the
// screen test draws its patterns with it).
class KCORE_EXPORT pictureplayer : public QObject
{
    Q_OBJECT
public:
    explicit pictureplayer(QObject* parent);
    ~pictureplayer() override;

    // Copies the place and effects and prepares the session, showing a transparent picture.
    void Init(const SessionParameter* parameter);
    void UpdateImage(const QImage& image);
    // Loads the file and stretches it to the place; a missing or unreadable file changes
    // nothing.
    void UpdateImage(const QString& path);
    // The size of the pictures to come, when it is not the place's; used by the next Init.
    void SetOtherRGBStreamSize(const QSize& size);
    void Stop();
    quint32 GetSession() const { return m_session; }
    void Start() {}
    void Pause() {}
    const QImage& image() const { return m_image; }

private:
    QRect m_place{0, 0, -1, -1};
    quint32 m_effect[6] = {};
    quint32 m_fillType = 0;
    quint8 m_spareFlag = 1;
    quint32 m_area = 0;
    quint32 m_session = 0;
    quint32 m_texture = 0;
    QImage m_image;
    QSize m_otherSize;
    bool m_otherSizeSet = false;
};

} // namespace Ky
