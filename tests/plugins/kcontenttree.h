#pragma once

// A screen with one program and one area in an item model, made by the real plug-ins, and the
// media files the content tests feed it.

#include "kcontrollernode.h"
#include "kframenode.h"
#include "kgiffixture.h"
#include "kmodel.h"
#include "kpluginmanager.h"
#include "kscenenode.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace Ky::Test {

struct ContentTree
{
    KModel model;
    KControllerNode* screen = nullptr;
    KSceneNode* program = nullptr;
    KFrameNode* area = nullptr;

    ContentTree(const QString& deviceModel, const QSize& screenSize, const QRect& areaRect)
    {
        KPluginManager* manager = KPluginManager::instance();
        screen = qobject_cast<KControllerNode*>(manager->Create("KY_Screen_Plugin"));
        program = qobject_cast<KSceneNode*>(manager->Create("KY_OrdinaryScene_Plugin"));
        area = qobject_cast<KFrameNode*>(manager->Create("KY_Frame_Plugin"));
        model.AddNode(0, QModelIndex(), screen);
        screen->SetDeviceModel(deviceModel);
        screen->SetSize(screenSize, QSize(0, 0));
        model.AddNode(0, model.IndexFromNode(screen), program);
        model.AddNode(0, model.IndexFromNode(program), area);
        area->SetRect(areaRect);
    }

    QModelIndex areaIndex() { return model.IndexFromNode(area); }
};

inline QString SaveImage(const QTemporaryDir& dir, const QString& name, const QSize& size,
                         QRgb colour, const char* format = "PNG")
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    return image.save(path, format) ? path : QString();
}

// A GIF of frames solid frames, each shown delayMs.
inline QString SaveGif(const QTemporaryDir& dir, const QString& name, const QSize& size, int frames,
                       int delayMs)
{
    const QString path = dir.filePath(name);
    return WriteGif(path, size, SolidFrames(frames, size, delayMs)) ? path : QString();
}

inline QString SaveBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(bytes);
    return path;
}

} // namespace Ky::Test
