#include "icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <QtMath>

namespace IconGen {

namespace {

// One palette for the whole set.
const QColor kInk(0x2f, 0x3b, 0x4c);
const QColor kBlue(0x2f, 0x80, 0xed);
const QColor kLightBlue(0xa8, 0xcb, 0xf7);
const QColor kGreen(0x27, 0xae, 0x60);
const QColor kRed(0xe0, 0x48, 0x48);
const QColor kOrange(0xf2, 0x99, 0x4a);
const QColor kYellow(0xf2, 0xc9, 0x4c);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kShade(0xe4, 0xea, 0xf1);
const QColor kGrey(0x8a, 0x96, 0xa8);
const QColor kBoard(0x1e, 0x7a, 0x5a);

constexpr qreal kLine = 2.5;

QPen Outline(const QColor& colour = kInk, qreal width = kLine)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Fill(QPainter& p, const QColor& fill, const QColor& line = kInk, qreal width = kLine)
{
    p.setPen(line.isValid() ? Outline(line, width) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
}

// A thick arrow from `from` to `to` as one filled outline.
void Arrow(QPainter& p, QPointF from, QPointF to, qreal shaft, qreal head, const QColor& fill)
{
    const QLineF line(from, to);
    const qreal length = line.length();
    QPainterPath path;
    const qreal h = shaft / 2;
    const qreal headLength = head * 0.9;
    path.moveTo(0, -h);
    path.lineTo(length - headLength, -h);
    path.lineTo(length - headLength, -head / 2);
    path.lineTo(length, 0);
    path.lineTo(length - headLength, head / 2);
    path.lineTo(length - headLength, h);
    path.lineTo(0, h);
    path.closeSubpath();
    p.save();
    p.translate(from);
    p.rotate(-line.angle());
    Fill(p, fill, kInk, 2);
    p.drawPath(path);
    p.restore();
}

void Gear(QPainter& p, QPointF centre, qreal radius, const QColor& fill, int teeth = 8)
{
    QPainterPath path;
    const qreal inner = radius * 0.74;
    for (int i = 0; i < teeth * 4; ++i) {
        const qreal angle = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const qreal r = (i % 4 == 0 || i % 4 == 1) ? radius : inner;
        const QPointF point(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(centre, radius * 0.32, radius * 0.32);
    path.setFillRule(Qt::OddEvenFill);
    Fill(p, fill, kInk, 2);
    p.drawPath(path);
}

void Pencil(QPainter& p, QPointF tip, qreal length = 22, qreal angle = -45)
{
    p.save();
    p.translate(tip);
    p.rotate(angle);
    const qreal w = 3.5;
    QPolygonF body{{5, -w}, {length, -w}, {length, w}, {5, w}};
    Fill(p, kOrange, kInk, 2);
    p.drawPolygon(body);
    Fill(p, kShade, kInk, 2);
    p.drawPolygon(QPolygonF{{0, 0}, {5, -w}, {5, w}});
    Fill(p, kRed, kInk, 2);
    p.drawRect(QRectF(length - 4, -w, 4, 2 * w));
    p.restore();
}

void Document(QPainter& p, const QRectF& r, bool lines = true)
{
    const qreal fold = r.width() * 0.32;
    QPolygonF page{r.topLeft(), {r.right() - fold, r.top()}, {r.right(), r.top() + fold},
                   r.bottomRight(), r.bottomLeft()};
    Fill(p, kPaper);
    p.drawPolygon(page);
    Fill(p, kShade);
    p.drawPolygon(QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold},
                            {r.right(), r.top() + fold}});
    if (!lines)
        return;
    p.setPen(Outline(kGrey, 2));
    for (qreal y = r.top() + fold + 4; y < r.bottom() - 3; y += 5)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
}

// A monitor whose screen is `screen`, with a stand below it.
void Monitor(QPainter& p, const QRectF& screen = QRectF(5, 7, 38, 26),
             const QColor& glass = kLightBlue)
{
    Fill(p, kInk, kInk, 2);
    p.drawRect(QRectF(screen.center().x() - 4, screen.bottom(), 8, 6));
    p.drawRoundedRect(QRectF(screen.center().x() - 11, screen.bottom() + 5, 22, 4), 2, 2);
    Fill(p, glass);
    p.drawRoundedRect(screen, 3, 3);
}

// A controller card: a circuit board with a chip and a connector.
void Card(QPainter& p, const QRectF& r)
{
    Fill(p, kBoard);
    p.drawRoundedRect(r, 3, 3);
    Fill(p, kInk, kInk, 1.5);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.25,
                      r.width() * 0.32, r.height() * 0.5));
    Fill(p, kYellow, kInk, 1.5);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(r.right() - 7, r.top() + 4 + i * (r.height() - 8) / 4, 4,
                          (r.height() - 8) / 4 - 2));
}

// Small round marks for the lower right corner.
void BadgePlus(QPainter& p)
{
    Fill(p, kGreen);
    p.drawEllipse(QPointF(36, 36), 10, 10);
    p.setPen(Outline(kPaper, 3.5));
    p.drawLine(QPointF(36, 30), QPointF(36, 42));
    p.drawLine(QPointF(30, 36), QPointF(42, 36));
}

void BadgeCross(QPainter& p, QPointF c = QPointF(36, 36), qreal r = 10)
{
    Fill(p, kRed);
    p.drawEllipse(c, r, r);
    p.setPen(Outline(kPaper, 3.5));
    const qreal k = r * 0.45;
    p.drawLine(c + QPointF(-k, -k), c + QPointF(k, k));
    p.drawLine(c + QPointF(k, -k), c + QPointF(-k, k));
}

void BadgeCheck(QPainter& p)
{
    Fill(p, kBlue);
    p.drawEllipse(QPointF(36, 36), 10, 10);
    p.setPen(Outline(kPaper, 3.5));
    p.drawPolyline(QPolygonF{{31, 36}, {35, 40}, {41, 32}});
}

void PaperPlane(QPainter& p, qreal scale = 1.0, QPointF offset = QPointF())
{
    p.save();
    p.translate(offset);
    p.scale(scale, scale);
    Fill(p, kLightBlue);
    p.drawPolygon(QPolygonF{{4, 22}, {44, 6}, {18, 28}});
    Fill(p, kBlue);
    p.drawPolygon(QPolygonF{{18, 28}, {44, 6}, {32, 42}});
    Fill(p, kInk, kInk, 2);
    p.drawPolygon(QPolygonF{{18, 28}, {22, 40}, {25, 32}});
    p.restore();
}

// The icons, one function each.

void DrawPlay(QPainter& p)
{
    Fill(p, kGreen);
    p.drawPolygon(QPolygonF{{14, 8}, {40, 24}, {14, 40}});
}

void DrawPause(QPainter& p)
{
    Fill(p, kBlue);
    p.drawRoundedRect(QRectF(11, 8, 10, 32), 2.5, 2.5);
    p.drawRoundedRect(QRectF(27, 8, 10, 32), 2.5, 2.5);
}

void DrawStop(QPainter& p)
{
    Fill(p, kRed);
    p.drawRoundedRect(QRectF(10, 10, 28, 28), 4, 4);
}

void DrawUp(QPainter& p)
{
    Arrow(p, QPointF(24, 42), QPointF(24, 5), 12, 30, kBlue);
}

void DrawDown(QPainter& p)
{
    Arrow(p, QPointF(24, 6), QPointF(24, 43), 12, 30, kBlue);
}

void Floppy(QPainter& p, const QRectF& r)
{
    QPainterPath body;
    const qreal cut = r.width() * 0.18;
    body.moveTo(r.topLeft());
    body.lineTo(r.right() - cut, r.top());
    body.lineTo(r.right(), r.top() + cut);
    body.lineTo(r.bottomRight());
    body.lineTo(r.bottomLeft());
    body.closeSubpath();
    Fill(p, kBlue);
    p.drawPath(body);
    // Metal shutter at the top, label at the bottom.
    Fill(p, kShade, kInk, 2);
    p.drawRect(QRectF(r.left() + r.width() * 0.25, r.top(), r.width() * 0.45, r.height() * 0.3));
    Fill(p, kInk, QColor(), 0);
    p.drawRect(QRectF(r.left() + r.width() * 0.52, r.top() + r.height() * 0.06,
                      r.width() * 0.1, r.height() * 0.18));
    Fill(p, kPaper, kInk, 2);
    p.drawRect(QRectF(r.left() + r.width() * 0.16, r.top() + r.height() * 0.5,
                      r.width() * 0.68, r.height() * 0.5));
}

void DrawSave(QPainter& p)
{
    Floppy(p, QRectF(7, 7, 34, 34));
}

void DrawSaveAs(QPainter& p)
{
    Floppy(p, QRectF(4, 4, 30, 30));
    Pencil(p, QPointF(24, 44), 24, -45);
}

void Folder(QPainter& p)
{
    Fill(p, kOrange);
    QPainterPath back;
    back.moveTo(5, 40);
    back.lineTo(5, 10);
    back.lineTo(18, 10);
    back.lineTo(22, 14);
    back.lineTo(40, 14);
    back.lineTo(40, 40);
    back.closeSubpath();
    p.drawPath(back);
    Fill(p, kYellow);
    p.drawPolygon(QPolygonF{{5, 40}, {11, 21}, {45, 21}, {40, 40}});
}

void DrawOpen(QPainter& p)
{
    Folder(p);
}

void DrawSourceFile(QPainter& p)
{
    Document(p, QRectF(10, 5, 28, 38));
}

void DrawCopy(QPainter& p)
{
    Document(p, QRectF(6, 4, 24, 30));
    Document(p, QRectF(18, 14, 24, 30));
}

void DrawPaste(QPainter& p)
{
    Fill(p, kOrange);
    p.drawRoundedRect(QRectF(8, 7, 30, 36), 3, 3);
    Fill(p, kGrey);
    p.drawRoundedRect(QRectF(16, 3, 14, 8), 2, 2);
    Document(p, QRectF(20, 18, 22, 27));
}

void DrawClose(QPainter& p)
{
    BadgeCross(p, QPointF(24, 24), 19);
}

void DrawDelete(QPainter& p)
{
    Fill(p, kShade);
    p.drawPolygon(QPolygonF{{11, 14}, {37, 14}, {34, 43}, {14, 43}});
    p.setPen(Outline(kGrey, 2.5));
    for (qreal x : {19.0, 24.0, 29.0})
        p.drawLine(QPointF(x, 19), QPointF(x, 38));
    Fill(p, kGrey);
    p.drawRoundedRect(QRectF(7, 8, 34, 6), 2, 2);
    p.drawRoundedRect(QRectF(19, 4, 10, 5), 1.5, 1.5);
}

void DrawExit(QPainter& p)
{
    Fill(p, kShade);
    p.drawRect(QRectF(6, 5, 24, 38));
    Fill(p, kOrange);
    p.drawPolygon(QPolygonF{{6, 5}, {20, 10}, {20, 46}, {6, 43}});
    Fill(p, kInk, QColor(), 0);
    p.drawEllipse(QPointF(16.5, 27), 1.8, 1.8);
    Arrow(p, QPointF(22, 24), QPointF(46, 24), 8, 18, kGreen);
}

void DrawExport(QPainter& p)
{
    Fill(p, kShade);
    p.drawPolygon(QPolygonF{{5, 26}, {5, 43}, {35, 43}, {35, 26}});
    Arrow(p, QPointF(14, 34), QPointF(44, 8), 8, 18, kBlue);
}

void Picture(QPainter& p, const QRectF& r)
{
    Fill(p, kLightBlue);
    p.drawRoundedRect(r, 2, 2);
    p.save();
    p.setClipRect(r.adjusted(1, 1, -1, -1));
    Fill(p, kYellow, QColor(), 0);
    p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3),
                  r.width() * 0.1, r.width() * 0.1);
    Fill(p, kGreen, kInk, 2);
    p.drawPolygon(QPolygonF{{r.left(), r.bottom()},
                            {r.left() + r.width() * 0.35, r.top() + r.height() * 0.4},
                            {r.left() + r.width() * 0.6, r.top() + r.height() * 0.7},
                            {r.left() + r.width() * 0.75, r.top() + r.height() * 0.55},
                            {r.right(), r.bottom()}});
    p.restore();
    Fill(p, QColor());
    p.drawRoundedRect(r, 2, 2);
}

void DrawBackground(QPainter& p)
{
    Picture(p, QRectF(4, 8, 40, 32));
}

void DrawImportPng(QPainter& p)
{
    Picture(p, QRectF(4, 16, 34, 28));
    Arrow(p, QPointF(34, 2), QPointF(34, 28), 8, 18, kGreen);
}

void DrawAbout(QPainter& p)
{
    Fill(p, kBlue);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    Fill(p, kPaper, QColor(), 0);
    p.drawEllipse(QPointF(24, 14), 3.2, 3.2);
    p.drawRoundedRect(QRectF(21, 20, 6, 16), 2, 2);
}

void DrawTime(QPainter& p)
{
    Fill(p, kPaper, kInk, 3);
    p.drawEllipse(QPointF(24, 24), 19, 19);
    p.setPen(Outline(kGrey, 2));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(QPointF(24 + 14 * qCos(a), 24 + 14 * qSin(a)),
                   QPointF(24 + 16 * qCos(a), 24 + 16 * qSin(a)));
    }
    p.setPen(Outline(kInk, 3));
    p.drawLine(QPointF(24, 24), QPointF(24, 12));
    p.setPen(Outline(kBlue, 3));
    p.drawLine(QPointF(24, 24), QPointF(32, 29));
    Fill(p, kInk, QColor(), 0);
    p.drawEllipse(QPointF(24, 24), 2.5, 2.5);
}

void DrawBright(QPainter& p)
{
    p.setPen(Outline(kOrange, 3.5));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        p.drawLine(QPointF(24 + 14 * qCos(a), 24 + 14 * qSin(a)),
                   QPointF(24 + 20 * qCos(a), 24 + 20 * qSin(a)));
    }
    Fill(p, kYellow, kOrange, 2.5);
    p.drawEllipse(QPointF(24, 24), 10, 10);
}

void DrawScreenNew(QPainter& p)
{
    Monitor(p);
    BadgePlus(p);
}

void DrawScreenSetting(QPainter& p)
{
    Monitor(p);
    Gear(p, QPointF(36, 36), 11, kGrey);
}

void DrawSystemSetting(QPainter& p)
{
    Gear(p, QPointF(24, 24), 20, kGrey, 10);
}

void Chip(QPainter& p, const QRectF& r)
{
    p.setPen(Outline(kGrey, 2.5));
    const int pins = 4;
    for (int i = 0; i < pins; ++i) {
        const qreal t = (i + 0.5) / pins;
        const qreal x = r.left() + t * r.width();
        const qreal y = r.top() + t * r.height();
        p.drawLine(QPointF(x, r.top() - 5), QPointF(x, r.top()));
        p.drawLine(QPointF(x, r.bottom()), QPointF(x, r.bottom() + 5));
        p.drawLine(QPointF(r.left() - 5, y), QPointF(r.left(), y));
        p.drawLine(QPointF(r.right(), y), QPointF(r.right() + 5, y));
    }
    Fill(p, kInk);
    p.drawRoundedRect(r, 2, 2);
    Fill(p, kOrange, QColor(), 0);
    p.drawRect(r.adjusted(r.width() * 0.3, r.height() * 0.3, -r.width() * 0.3, -r.height() * 0.3));
}

void DrawHardwareSetting(QPainter& p)
{
    Chip(p, QRectF(9, 9, 22, 22));
    Gear(p, QPointF(36, 36), 10, kGrey);
}

void DrawBootLogo(QPainter& p)
{
    Monitor(p, QRectF(5, 7, 38, 26), kInk);
    p.setPen(Outline(kGreen, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 12, 16, 16), 120 * 16, 300 * 16);
    p.drawLine(QPointF(24, 10), QPointF(24, 19));
}

void DrawTest(QPainter& p)
{
    Monitor(p, QRectF(5, 7, 38, 26), kPaper);
    const QColor bars[] = {kPaper, kYellow, QColor(0x4f, 0xd1, 0xe0), kGreen, QColor(0xc0, 0x5c, 0xe0),
                           kRed, kBlue};
    const QRectF screen(6.5, 8.5, 35, 23);
    p.setPen(Qt::NoPen);
    const qreal w = screen.width() / 7;
    for (int i = 0; i < 7; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(screen.left() + i * w, screen.top(), w + 0.5, screen.height()));
    }
    Fill(p, QColor());
    p.drawRoundedRect(QRectF(5, 7, 38, 26), 3, 3);
}

void DrawFullScreen(QPainter& p)
{
    p.setPen(Outline(kBlue, 4.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{{6, 18}, {6, 6}, {18, 6}});
    p.drawPolyline(QPolygonF{{30, 6}, {42, 6}, {42, 18}});
    p.drawPolyline(QPolygonF{{42, 30}, {42, 42}, {30, 42}});
    p.drawPolyline(QPolygonF{{18, 42}, {6, 42}, {6, 30}});
}

void DrawStretchAround(QPainter& p)
{
    Fill(p, kShade, kGrey, 2);
    p.drawRect(QRectF(17, 17, 14, 14));
    Arrow(p, QPointF(20, 20), QPointF(4, 4), 5, 14, kBlue);
    Arrow(p, QPointF(28, 20), QPointF(44, 4), 5, 14, kBlue);
    Arrow(p, QPointF(28, 28), QPointF(44, 44), 5, 14, kBlue);
    Arrow(p, QPointF(20, 28), QPointF(4, 44), 5, 14, kBlue);
}

void DrawStretchedUpDown(QPainter& p)
{
    p.setPen(Outline(kInk, 3.5));
    p.drawLine(QPointF(8, 5), QPointF(40, 5));
    p.drawLine(QPointF(8, 43), QPointF(40, 43));
    // One double-headed arrow between the two bars.
    Fill(p, kBlue, kInk, 2);
    p.drawPolygon(QPolygonF{{24, 9}, {34, 19}, {27.5, 19}, {27.5, 29}, {34, 29}, {24, 39},
                            {14, 29}, {20.5, 29}, {20.5, 19}, {14, 19}});
}

void DrawDeviceMark(QPainter& p)
{
    Card(p, QRectF(3, 8, 36, 26));
    BadgeCheck(p);
}

void DrawDevNotMatch(QPainter& p)
{
    Card(p, QRectF(3, 8, 36, 26));
    BadgeCross(p);
}

void DrawUpdateDevName(QPainter& p)
{
    // A luggage tag with its hole, and a pencil writing on it.
    Fill(p, kYellow);
    p.drawPolygon(QPolygonF{{4, 20}, {14, 8}, {38, 8}, {38, 32}, {14, 32}});
    Fill(p, kPaper);
    p.drawEllipse(QPointF(13, 20), 3, 3);
    Pencil(p, QPointF(26, 44), 24, -40);
}

void DrawFixedIp(QPainter& p)
{
    p.setPen(Outline(kInk, 3));
    p.drawLine(QPointF(24, 16), QPointF(24, 26));
    p.drawLine(QPointF(10, 26), QPointF(38, 26));
    p.drawLine(QPointF(10, 26), QPointF(10, 32));
    p.drawLine(QPointF(38, 26), QPointF(38, 32));
    Fill(p, kBlue);
    p.drawRoundedRect(QRectF(15, 4, 18, 13), 2, 2);
    Fill(p, kLightBlue);
    p.drawRoundedRect(QRectF(2, 32, 16, 12), 2, 2);
    p.drawRoundedRect(QRectF(30, 32, 16, 12), 2, 2);
}

void DrawSend(QPainter& p)
{
    PaperPlane(p);
}

void DrawSendCfg(QPainter& p)
{
    Document(p, QRectF(4, 4, 26, 36));
    PaperPlane(p, 0.55, QPointF(21, 21));
}

void DrawHddUsb(QPainter& p)
{
    p.save();
    p.translate(24, 24);
    p.rotate(45);
    Fill(p, kShade);
    p.drawRect(QRectF(-6, -22, 12, 11));
    Fill(p, kInk, QColor(), 0);
    p.drawRect(QRectF(-3.5, -19, 2.5, 3));
    p.drawRect(QRectF(1, -19, 2.5, 3));
    Fill(p, kBlue);
    p.drawRoundedRect(QRectF(-9, -11, 18, 32), 3, 3);
    Fill(p, kLightBlue, QColor(), 0);
    p.drawRoundedRect(QRectF(-4, -4, 8, 16), 2, 2);
    p.restore();
}

void DrawUpdate(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGreen, 5, Qt::SolidLine, Qt::FlatCap));
    const QRectF ring(9, 9, 30, 30);
    p.drawArc(ring, 20 * 16, 150 * 16);
    p.drawArc(ring, 200 * 16, 150 * 16);
    // Arrow heads at the ends of the two arcs, pointing along the turn.
    Fill(p, kGreen, kInk, 1.5);
    const auto head = [&p](qreal degrees) {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF at(24 + 15 * qCos(a), 24 - 15 * qSin(a));
        const QPointF radial(qCos(a), -qSin(a));
        const QPointF along(-qSin(a), -qCos(a)); // counter-clockwise on screen
        p.drawPolygon(QPolygonF{at + radial * 7, at - radial * 7, at + along * 9});
    };
    head(170);
    head(350);
}

void DrawLogo(QPainter& p)
{
    Fill(p, kInk, kInk, 1);
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 8, 8);
    // An LED matrix with a few pixels lit in our orange.
    static const char* lit[] = {"1000100", "1001000", "1010000", "1100000", "1010000", "1001000",
                                "1000100"};
    p.setPen(Qt::NoPen);
    const qreal step = 5.6;
    const qreal origin = 24 - 3 * step;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 7; ++c) {
            const bool on = lit[r][c] == '1';
            p.setBrush(on ? kOrange : QColor(0x44, 0x52, 0x66));
            const qreal radius = on ? 2.4 : 1.7;
            p.drawEllipse(QPointF(origin + c * step + 2, origin + r * step), radius, radius);
        }
    }
}

} // namespace

const QVector<Icon>& Icons()
{
    static const QVector<Icon> icons = {
        {QStringLiteral("time"), DrawTime},
        {QStringLiteral("stretched_up_down"), DrawStretchedUpDown},
        {QStringLiteral("device_mark"), DrawDeviceMark},
        {QStringLiteral("screen_new"), DrawScreenNew},
        {QStringLiteral("play"), DrawPlay},
        {QStringLiteral("screen_setting"), DrawScreenSetting},
        {QStringLiteral("bright_setting"), DrawBright},
        {QStringLiteral("updateDevName"), DrawUpdateDevName},
        {QStringLiteral("SourceFile"), DrawSourceFile},
        {QStringLiteral("logo"), DrawLogo},
        {QStringLiteral("copy"), DrawCopy},
        {QStringLiteral("close"), DrawClose},
        {QStringLiteral("export"), DrawExport},
        {QStringLiteral("open"), DrawOpen},
        {QStringLiteral("about"), DrawAbout},
        {QStringLiteral("down"), DrawDown},
        {QStringLiteral("background"), DrawBackground},
        {QStringLiteral("boot_logo"), DrawBootLogo},
        {QStringLiteral("up"), DrawUp},
        {QStringLiteral("importpng"), DrawImportPng},
        {QStringLiteral("system_setting"), DrawSystemSetting},
        {QStringLiteral("update"), DrawUpdate},
        {QStringLiteral("save"), DrawSave},
        {QStringLiteral("stretch_around"), DrawStretchAround},
        {QStringLiteral("senddfg"), DrawSendCfg},
        {QStringLiteral("paste"), DrawPaste},
        {QStringLiteral("stop"), DrawStop},
        {QStringLiteral("saveas"), DrawSaveAs},
        {QStringLiteral("fixedip"), DrawFixedIp},
        {QStringLiteral("DevNotMatch"), DrawDevNotMatch},
        {QStringLiteral("send"), DrawSend},
        {QStringLiteral("hdd_usb"), DrawHddUsb},
        {QStringLiteral("pause"), DrawPause},
        {QStringLiteral("test"), DrawTest},
        {QStringLiteral("delete"), DrawDelete},
        {QStringLiteral("hardware_setting"), DrawHardwareSetting},
        {QStringLiteral("full_screen"), DrawFullScreen},
        {QStringLiteral("exit"), DrawExit},
    };
    return icons;
}

QImage Render(const Icon& icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(size) / kSize, qreal(size) / kSize);
    icon.draw(p);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray IcoFromPng(const QByteArray& png, int size)
{
    // ICONDIR (6 bytes) + one ICONDIRENTRY (16 bytes), little-endian, then the PNG.
    QByteArray ico(22, '\0');
    char* d = ico.data();
    qToLittleEndian<quint16>(0, d);      // reserved
    qToLittleEndian<quint16>(1, d + 2);  // type: icon
    qToLittleEndian<quint16>(1, d + 4);  // one image
    d[6] = char(size >= 256 ? 0 : size); // width, 0 means 256
    d[7] = char(size >= 256 ? 0 : size); // height
    d[8] = 0;                            // no palette
    d[9] = 0;
    qToLittleEndian<quint16>(1, d + 10);  // colour planes
    qToLittleEndian<quint16>(32, d + 12); // bits per pixel
    qToLittleEndian<quint32>(quint32(png.size()), d + 14);
    qToLittleEndian<quint32>(22, d + 18); // offset of the image data
    return ico + png;
}

} // namespace IconGen
