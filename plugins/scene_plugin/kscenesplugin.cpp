#include "kscenesplugin.h"

#include "kordinaryscenenode.h"
#include "kpluginart.h"
#include "kmodel.h"
#include "kscenepanel.h"

namespace Ky {

KScenePlugin::~KScenePlugin()
{
    delete m_panel.data();
}

QString KScenePlugin::name()
{
    return tr("Program");
}

QString KScenePlugin::type()
{
    return KOrdinarySceneNode::TypeName();
}

const QIcon& KScenePlugin::icon()
{
    if (m_icon.isNull())
        m_icon = PluginArt::KindIcon(PluginArt::Kind::Program);
    return m_icon;
}

KNode* KScenePlugin::Create()
{
    return new KOrdinarySceneNode;
}

INodeClient* KScenePlugin::GetClient()
{
    if (!m_panel)
        m_panel = new KScenePanel;
    return m_panel.data();
}

KNode* KScenePlugin::AddFile(KModel* model, const QModelIndex& parent, int row)
{
    KNode* target = model ? model->NodeFromIndex(parent) : nullptr;
    if (!target || target->Level() != LEVEL_SCREEN)
        return nullptr;
    KNode* node = Create();
    model->AddNode(row, parent, node);
    node->SetUniqueName(name());
    return node;
}

} // namespace Ky
