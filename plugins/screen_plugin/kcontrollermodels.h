#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace Ky {

// What one controller model can drive and play.
struct KControllerModel
{
    QString name;
    QString description; // untranslated source text
    int maxPixels = 0;     // width x height
    QSize minSize;
    QSize maxSize;
    int ports = 1;         // output ports to the LED modules
    bool alphaBlend = false;
    bool audio = false;
    bool scalesPictures = false;
    bool transcoding = false; // media must be converted before the model plays it
};

// The controller models of the family, in the order the new-screen dialog offers them.
class KControllerModels
{
public:
    static const QList<KControllerModel>& All();
    static QStringList Names();
    // The model of that exact name (case-sensitive), or null.
    static const KControllerModel* Find(const QString& name);

    // Models of the prefix "Q74" can be cascaded.
    static bool Cascading(const QString& name);

    // Device IDs are "<model>-<serial>".
    static QString DeviceId(const QString& model, const QString& serial);
    // The model a device ID names, empty when the ID belongs to no model of the family.
    static QString ModelOfDeviceId(const QString& id);

    // The translated description; empty for unknown models.
    static QString Description(const QString& name);
    // A drawing of the controller card, different per model; empty for unknown models.
    static QImage Picture(const QString& name);
};

} // namespace Ky
