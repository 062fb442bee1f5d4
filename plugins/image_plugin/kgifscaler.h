#pragma once

#include <QSize>
#include <QString>

namespace Ky::KImagePlugin {

// Rescales a GIF file frame by frame with giflib, keeping its records (delays, loops,
// comments), its frame count and its colour maps' roles: frames on the global map keep its
// colours, frames with a map of their own get a new quantised one.
class KGifScaler
{
public:
    // Largest screen, source or target, in pixels; larger ones are refused before anything is
    // allocated.
    static constexpr qint64 MaxPixels = 8192LL * 8192LL;

    // False, with the reason on the debug output and no destination file left, when a path is
    // empty, the source is missing or damaged, or writing fails.
    static bool Scale(const QString& source, const QString& destination, const QSize& target);
};

} // namespace Ky::KImagePlugin
