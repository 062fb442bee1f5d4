#pragma once

#include <QString>

class QLocalSocket;

namespace Ky {

// Frames on the single-instance socket, big-endian:
//   qint32 N   bytes that follow this field (always 4 + L)
//   quint32 L  byte length of the text, 0xFFFFFFFF for a null text
//   L bytes    the text as UTF-16 code units
//
// Frames come from whoever can open the socket, so the reader trusts no length: anything
// larger than kMaxFrameSize or inconsistent is refused before a byte is allocated for it.
constexpr qint32 kMaxFrameSize = 1024 * 1024;

// Writes one frame in a single write call and waits up to timeout ms until it has left.
// False when the socket is missing or not connected, the text is too long for one frame,
// the write fails or the bytes are not out in time.
bool writeMessage(QLocalSocket* socket, const QString& message, int timeout);

// Reads one frame. *ok becomes true only for a complete, well-formed frame. Every wait
// for more data allows 250 ms, counted again after each arrival, so a slow but steady
// sender gets through. The text is decoded only once the whole frame is there.
QString readMessage(QLocalSocket* socket, bool* ok);

} // namespace Ky
