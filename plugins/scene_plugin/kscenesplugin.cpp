#include "kscenesplugin.h"

#include "kmodel.h"
#include "kordinaryscenenode.h"
#include "kpluginart.h"
#include "kprogramrender.h"
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

IFrameRender* KScenePlugin::CreateFrameRender(KNode* node)
{
    auto* program = qobject_cast<KSceneNode*>(node);
    return program ? new KProgramRender(program) : nullptr;
}

} // namespace Ky
