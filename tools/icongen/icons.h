#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Our icon set, drawn with plain shapes (no text: fonts would need a running application).
namespace IconGen {

constexpr int kSize = 48;

struct Icon
{
    QString name;                    // file name without ".png"
    void (*draw)(class QPainter&);   // draws in a 48 x 48 coordinate system
};

const QVector<Icon>& Icons();
QImage Render(const Icon& icon, int size = kSize);
// An ICO file holding one image stored as PNG (allowed since Windows Vista, read by Qt).
QByteArray IcoFromPng(const QByteArray& png, int size);

} // namespace IconGen
