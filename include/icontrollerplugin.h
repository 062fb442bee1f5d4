#pragma once

#include "inodeplugin.h"

#include <QImage>
#include <QSize>
#include <QStringList>

namespace Ky {

// A node plug-in that creates the screens of a controller family and answers questions about
// its controller models. Declare it with Q_INTERFACES(Ky::IControllerPlugin).
class IControllerPlugin : public INodePlugin
{
public:
    // Largest width x height a controller of the model drives.
    virtual int MaxPixelCount(const QString& model) = 0;
    virtual QSize MaxScreenSize(const QString& model) = 0;
    virtual QSize MinScreenSize(const QString& model) = 0;
    virtual QString ModelDescription(const QString& model) = 0;
    virtual QImage ModelPicture(const QString& model) = 0;
    virtual QStringList DeviceModels() = 0;
    virtual bool SuportModel(const QString& model) = 0;
    virtual bool SuportAlphaBlend(const QString& model) = 0;
    virtual bool SuportAudio(const QString& model) = 0;
    virtual bool NeedTranscoding(const QString& model) = 0;
};

} // namespace Ky

#define KY_CONTROLLER_PLUGIN_IID "Ky.interface.IControllerPlugin/1.0"
Q_DECLARE_INTERFACE(Ky::IControllerPlugin, KY_CONTROLLER_PLUGIN_IID)
