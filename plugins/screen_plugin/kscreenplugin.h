#pragma once

#include "icontrollerplugin.h"

#include <QIcon>
#include <QObject>

namespace Ky {

// The controller plug-in of the family: creates its screens and answers the model questions
// from the model table. Screens have no editing panel here; the new-screen dialog edits them.
class KScreenPlugin : public QObject, public IControllerPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KY_CONTROLLER_PLUGIN_IID)
    Q_INTERFACES(Ky::IControllerPlugin)
public:
    QString name() override;
    KLevel level() override { return LEVEL_SCREEN; }
    QString type() override;
    const QIcon& icon() override;
    KNode* Create() override;
    // A new screen at row of the model's top level; its size and model are set by the caller.
    KNode* AddFile(KModel* model, const QModelIndex& parent, int row) override;

    int MaxPixelCount(const QString& model) override;
    QSize MaxScreenSize(const QString& model) override;
    QSize MinScreenSize(const QString& model) override;
    QString ModelDescription(const QString& model) override;
    QImage ModelPicture(const QString& model) override;
    QStringList DeviceModels() override;
    bool SuportModel(const QString& model) override;
    bool SuportAlphaBlend(const QString& model) override;
    bool SuportAudio(const QString& model) override;
    bool NeedTranscoding(const QString& model) override;

private:
    QIcon m_icon;
};

} // namespace Ky
