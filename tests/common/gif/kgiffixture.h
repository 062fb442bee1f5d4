#pragma once

// Writes small GIF files for tests with giflib, and reads them back the same way, so tests
// build their media instead of carrying binaries.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

namespace Ky::Test {

struct GifFrame
{
    QImage image;          // pixels with alpha 0 become the transparent index
    int delayMs = 100;     // stored in hundredths of a second
    QPoint pos;            // place on the screen
    bool localMap = false; // a colour map of its own instead of the global one
    bool interlaced = false;
};

// At most 255 distinct colours over the frames that use the global map (and per frame with a
// local map). False when giflib fails or there are too many colours.
bool WriteGif(const QString& path, const QSize& screen, const QList<GifFrame>& frames);

// What giflib itself decodes from a file.
struct GifInfo
{
    bool ok = false;
    QSize screen;
    int frames = 0;
    QList<int> delaysMs; // per frame, from its graphic control extension
    QList<QRect> rects;  // per frame
    // Every frame drawn over the previous ones, as 32-bit ARGB screens.
    QList<QImage> canvases;
};
GifInfo ReadGif(const QString& path);

// n frames of size, each a solid colour from a fixed sequence, each with delayMs.
QList<GifFrame> SolidFrames(int n, const QSize& size, int delayMs);

} // namespace Ky::Test
