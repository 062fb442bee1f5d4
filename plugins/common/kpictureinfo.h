#pragma once

#include <QString>

namespace Ky {

// What the content kinds need to know of a picture file, read once: whether it is a GIF, its
// size, its frame count and the length of one loop.
class KPictureInfo
{
public:
    // Upper bound of frames read, so a hostile file cannot keep the reader busy forever.
    static constexpr int MaxFrames = 100000;

    // Reads the file unless already loaded; the format is taken from the content.
    void Load(const QString& path);
    // Only the file's type, size and frame count, without decoding the frames.
    void LoadHeader(const QString& path);
    void Reset() { *this = KPictureInfo(); }

    bool loaded = false;
    bool isGif = false;
    int width = 0;
    int height = 0;
    int frames = 0;
    int loop = 0; // ms, the sum of the frame delays
};

} // namespace Ky
