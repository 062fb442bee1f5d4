#include "kcontrollermodels.h"

#include <QCoreApplication>
#include <QPainter>

namespace Ky {

namespace {

QList<KControllerModel> BuildTable()
{
    // Descriptions are kept untranslated and translated when asked, so a language chosen
    // later still applies.
    const auto Source = [](const char* text) { return QString::fromLatin1(text); };
    QList<KControllerModel> table;
    // name, description, pixels, min, max, ports, alpha, audio, scales, transcoding
    table.append({QStringLiteral("Q741"),
                  Source(QT_TRANSLATE_NOOP("Ky::KControllerModels", "Q741: two-port controller for small and medium signs; can be cascaded. "
                     "Up to 655,360 pixels, 4096 pixels wide or 1024 high.")),
                  655360, QSize(32, 16), QSize(4096, 1024), 2, true, false, true, false});
    table.append({QStringLiteral("Q742"),
                  Source(QT_TRANSLATE_NOOP("Ky::KControllerModels", "Q742: four-port controller with audio output; can be cascaded. "
                     "Up to 1,310,720 pixels, 4096 pixels wide or 2048 high.")),
                  1310720, QSize(32, 16), QSize(4096, 2048), 4, true, true, true, false});
    table.append({QStringLiteral("Q743"),
                  Source(QT_TRANSLATE_NOOP("Ky::KControllerModels", "Q743: eight-port controller with audio output for large signs; can be "
                     "cascaded. Up to 2,621,440 pixels, 4096 pixels wide or high.")),
                  2621440, QSize(32, 16), QSize(4096, 4096), 8, true, true, true, false});
    table.append({QStringLiteral("V7"),
                  Source(QT_TRANSLATE_NOOP("Ky::KControllerModels", "V7: single-port controller for strip signs. Pictures are scaled to the "
                     "area before sending. Up to 196,608 pixels, 2048 wide or 256 high.")),
                  196608, QSize(16, 8), QSize(2048, 256), 1, false, false, false, true});
    table.append({QStringLiteral("N5"),
                  Source(QT_TRANSLATE_NOOP("Ky::KControllerModels", "N5: compact single-port controller. Pictures are scaled to the area "
                     "before sending. Up to 131,072 pixels, 1024 wide or 512 high.")),
                  131072, QSize(16, 8), QSize(1024, 512), 1, false, false, false, true});
    return table;
}

} // namespace

const QList<KControllerModel>& KControllerModels::All()
{
    static const QList<KControllerModel> table = BuildTable();
    return table;
}

QStringList KControllerModels::Names()
{
    QStringList names;
    for (const KControllerModel& model : All())
        names << model.name;
    return names;
}

const KControllerModel* KControllerModels::Find(const QString& name)
{
    for (const KControllerModel& model : All()) {
        if (model.name == name)
            return &model;
    }
    return nullptr;
}

bool KControllerModels::Cascading(const QString& name)
{
    return name.startsWith(QLatin1String("Q74"));
}

QString KControllerModels::DeviceId(const QString& model, const QString& serial)
{
    return model + QLatin1Char('-') + serial;
}

QString KControllerModels::ModelOfDeviceId(const QString& id)
{
    // The longest matching model wins, should one model name ever prefix another.
    QString found;
    for (const KControllerModel& model : All()) {
        if (id.size() > model.name.size() + 1 && id.startsWith(model.name + QLatin1Char('-'))
            && model.name.size() > found.size())
            found = model.name;
    }
    return found;
}

QString KControllerModels::Description(const QString& name)
{
    const KControllerModel* model = Find(name);
    return model ? QCoreApplication::translate("Ky::KControllerModels",
                                               model->description.toLatin1().constData())
                 : QString();
}

QImage KControllerModels::Picture(const QString& name)
{
    const KControllerModel* model = Find(name);
    if (!model)
        return QImage();
    const int index = int(model - All().constData());
    QImage image(240, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The board: a colour per model, single-port cards shorter.
    const QColor board = QColor::fromHsv((120 + index * 47) % 360, 170, 120);
    const QRectF card(10, 20, model->ports > 1 ? 220 : 190, 120);
    painter.setPen(QPen(board.darker(160), 2));
    painter.setBrush(board);
    painter.drawRoundedRect(card, 8, 8);
    // Mounting holes.
    painter.setBrush(QColor(230, 230, 230));
    for (const QPointF& corner : {card.topLeft() + QPointF(10, 10), card.topRight() + QPointF(-10, 10),
                                  card.bottomLeft() + QPointF(10, -10),
                                  card.bottomRight() + QPointF(-10, -10)})
        painter.drawEllipse(corner, 4, 4);
    // The processor and memory.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 30));
    painter.drawRect(QRectF(card.left() + 30, card.top() + 30, 46, 46));
    painter.setBrush(QColor(55, 55, 55));
    for (int i = 0; i < (model->scalesPictures ? 2 : 1); ++i)
        painter.drawRect(QRectF(card.left() + 90 + 26 * i, card.top() + 34, 20, 38));
    // The output ports along the bottom edge.
    painter.setBrush(QColor(200, 200, 205));
    const qreal portWidth = qMin(22.0, (card.width() - 40) / model->ports - 4);
    for (int i = 0; i < model->ports; ++i)
        painter.drawRect(QRectF(card.left() + 20 + i * (portWidth + 4), card.bottom() - 26,
                                portWidth, 20));
    // The network jack and status lights on the right.
    painter.setBrush(QColor(170, 170, 175));
    painter.drawRect(QRectF(card.right() - 44, card.top() + 28, 30, 26));
    painter.setBrush(QColor(60, 230, 60));
    painter.drawEllipse(QPointF(card.right() - 38, card.top() + 66), 4, 4);
    painter.setBrush(model->audio ? QColor(250, 170, 30) : QColor(230, 50, 40));
    painter.drawEllipse(QPointF(card.right() - 24, card.top() + 66), 4, 4);
    // A cascade connector on the models that can be chained.
    if (Cascading(model->name)) {
        painter.setBrush(QColor(230, 190, 60));
        painter.drawRect(QRectF(card.left() - 6, card.center().y() - 14, 12, 28));
    }
    return image;
}

} // namespace Ky
