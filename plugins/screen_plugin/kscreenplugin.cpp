#include "kscreenplugin.h"

#include "kcontrollermodels.h"
#include "kmodel.h"
#include "kpluginart.h"
#include "kscreennode.h"

namespace Ky {

QString KScreenPlugin::name()
{
    return tr("Screen");
}

QString KScreenPlugin::type()
{
    return KScreenNode::TypeName();
}

const QIcon& KScreenPlugin::icon()
{
    if (m_icon.isNull())
        m_icon = PluginArt::KindIcon(PluginArt::Kind::Screen);
    return m_icon;
}

KNode* KScreenPlugin::Create()
{
    return new KScreenNode;
}

KNode* KScreenPlugin::AddFile(KModel* model, const QModelIndex& parent, int row)
{
    // Screens live only at the top of the tree.
    if (!model || parent.isValid())
        return nullptr;
    KNode* node = Create();
    model->AddNode(row, parent, node);
    node->SetUniqueName(name());
    return node;
}

// Unknown models answer with nothing: no pixels, no size, no features.

int KScreenPlugin::MaxPixelCount(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found ? found->maxPixels : 0;
}

QSize KScreenPlugin::MaxScreenSize(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found ? found->maxSize : QSize(0, 0);
}

QSize KScreenPlugin::MinScreenSize(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found ? found->minSize : QSize(0, 0);
}

QString KScreenPlugin::ModelDescription(const QString& model)
{
    return KControllerModels::Description(model);
}

QImage KScreenPlugin::ModelPicture(const QString& model)
{
    return KControllerModels::Picture(model);
}

QStringList KScreenPlugin::DeviceModels()
{
    return KControllerModels::Names();
}

bool KScreenPlugin::SuportModel(const QString& model)
{
    return KControllerModels::Find(model) != nullptr;
}

bool KScreenPlugin::SuportAlphaBlend(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found && found->alphaBlend;
}

bool KScreenPlugin::SuportAudio(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found && found->audio;
}

bool KScreenPlugin::NeedTranscoding(const QString& model)
{
    const KControllerModel* found = KControllerModels::Find(model);
    return found && found->transcoding;
}

} // namespace Ky
