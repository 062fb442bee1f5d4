#include "kpluginart.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

namespace Ky::PluginArt {

QImage KindImage(Kind kind, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal u = size / 16.0;
    painter.scale(u, u);
    painter.setPen(QPen(QColor(40, 40, 40), 1.0));
    switch (kind) {
    case Kind::Screen:
        // A sign on a stand, with a few lit dots.
        painter.setBrush(QColor(20, 20, 20));
        painter.drawRoundedRect(QRectF(1, 2, 14, 9), 1, 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 80, 40));
        for (int x = 0; x < 5; ++x)
            painter.drawEllipse(QPointF(3.5 + 2.2 * x, 6.5), 0.8, 0.8);
        painter.setBrush(QColor(90, 90, 90));
        painter.drawRect(QRectF(7, 11, 2, 3));
        painter.drawRect(QRectF(4.5, 14, 7, 1.2));
        break;
    case Kind::Program:
        // A film strip.
        painter.setBrush(QColor(60, 110, 190));
        painter.drawRoundedRect(QRectF(1, 3, 14, 10), 1.5, 1.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (int x = 0; x < 5; ++x) {
            painter.drawRect(QRectF(2.2 + 2.6 * x, 4, 1.4, 1.2));
            painter.drawRect(QRectF(2.2 + 2.6 * x, 10.8, 1.4, 1.2));
        }
        painter.setBrush(QColor(250, 210, 80));
        painter.drawRect(QRectF(3, 6, 10, 4));
        break;
    case Kind::Area:
        // A window split into panes, one of them highlighted.
        painter.setBrush(QColor(235, 235, 235));
        painter.drawRect(QRectF(1.5, 2.5, 13, 11));
        painter.setBrush(QColor(70, 160, 90));
        painter.drawRect(QRectF(3, 4, 6, 5));
        painter.setBrush(QColor(170, 170, 170));
        painter.drawRect(QRectF(10, 4, 3, 8));
        painter.drawRect(QRectF(3, 10, 6, 2));
        break;
    }
    return image;
}

QIcon KindIcon(Kind kind)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QIcon();
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(KindImage(kind, size)));
    return icon;
}

} // namespace Ky::PluginArt
