#include "kframeplugin.h"

#include "kareanode.h"
#include "kframepanel.h"
#include "kframerender.h"
#include "kmodel.h"
#include "kpluginart.h"

namespace Ky {

KFramePlugin::~KFramePlugin()
{
    delete m_panel.data();
}

QString KFramePlugin::name()
{
    return tr("Area");
}

QString KFramePlugin::type()
{
    return KAreaNode::TypeName();
}

const QIcon& KFramePlugin::icon()
{
    if (m_icon.isNull())
        m_icon = PluginArt::KindIcon(PluginArt::Kind::Area);
    return m_icon;
}

KNode* KFramePlugin::Create()
{
    return new KAreaNode;
}

INodeClient* KFramePlugin::GetClient()
{
    if (!m_panel)
        m_panel = new KFramePanel;
    return m_panel.data();
}

KNode* KFramePlugin::AddFile(KModel* model, const QModelIndex& parent, int row)
{
    KNode* target = model ? model->NodeFromIndex(parent) : nullptr;
    if (!target || target->Level() != LEVEL_PROGRAM)
        return nullptr;
    auto* area = static_cast<KAreaNode*>(Create());
    model->AddNode(row, parent, area);
    area->SetUniqueName(name());
    // A new area fills its program.
    area->SetRect(QRect(QPoint(0, 0), area->MaxSize()));
    return area;
}

IFrameRender* KFramePlugin::CreateFrameRender(KNode* node)
{
    auto* area = qobject_cast<KFrameNode*>(node);
    return area ? new KFrameRender(area) : nullptr;
}

} // namespace Ky
