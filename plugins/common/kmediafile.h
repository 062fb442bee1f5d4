#pragma once

#include "ksendfileinfo.h"

#include <QList>
#include <QSize>
#include <QString>

namespace Ky {

class KData;

// What the picture and GIF kinds do alike with their one media file.
namespace MediaFile {

// The directory media go to: path itself when it names a directory (or ends with "/"), else
// the directory of the project file it names; always with a trailing "/".
QString DirectoryOf(const QString& path);

// Copies source into the send directory under its digest and points node's entry key at the
// copy. When nothing could be written the entry is emptied and a file that is not there is
// listed, so the generation fails instead of sending a set without the media.
void Generate(KData& node, const QString& key, const QString& source, const QString& path,
              QList<KSendFileInfo>& files);

// The display and clear effect durations counted by Duration. They come from attributes of
// their own ("Display Effect Type", "Display Interval Index" and the clear pair) that this
// program never writes but project files may carry; absent ones count as 0.
int StoredEffectsDuration(const KData& node, const QSize& size);

} // namespace MediaFile
} // namespace Ky
