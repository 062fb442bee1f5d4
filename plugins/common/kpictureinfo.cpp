#include "kpictureinfo.h"

#include <QImageReader>

#include <climits>

namespace Ky {

void KPictureInfo::LoadHeader(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    isGif = reader.format().compare("gif", Qt::CaseInsensitive) == 0;
    const QSize size = reader.size();
    width = size.isValid() ? size.width() : 0;
    height = size.isValid() ? size.height() : 0;
    frames = qBound(0, reader.imageCount(), MaxFrames);
}

void KPictureInfo::Load(const QString& path)
{
    if (loaded)
        return;
    Reset();
    LoadHeader(path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    qint64 sum = 0;
    for (int i = 0; i < frames; ++i) {
        if (reader.read().isNull())
            break;
        sum += qMax(0, reader.nextImageDelay());
    }
    loop = int(qMin<qint64>(sum, INT_MAX));
    loaded = true;
}

} // namespace Ky
