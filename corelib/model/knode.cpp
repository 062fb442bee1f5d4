#include "knode.h"

#include "kcontrollernode.h"
#include "kframenode.h"
#include "kscenenode.h"

namespace Ky {

KNode::KNode() = default;

KNode::~KNode()
{
    // Cut every connection first so no receiver hears from a half-destroyed subtree.
    disconnect();
    qDeleteAll(m_children);
    m_children.clear();
}

void KNode::Copy()
{
    for (KNode* child : std::as_const(m_children))
        child->Copy();
}

void KNode::Delete()
{
    for (KNode* child : std::as_const(m_children))
        child->Delete();
}

void KNode::Close(bool flag)
{
    for (KNode* child : std::as_const(m_children))
        child->Close(flag);
}

void KNode::Generator(const QString& path, QList<KSendFileInfo>& files)
{
    for (KNode* child : std::as_const(m_children))
        child->Generator(path, files);
}

void KNode::Export(const QString& path)
{
    for (KNode* child : std::as_const(m_children))
        child->Export(path);
}

void KNode::Import(const QString& path)
{
    for (KNode* child : std::as_const(m_children))
        child->Import(path);
}

bool KNode::NodeAlready()
{
    for (KNode* child : std::as_const(m_children)) {
        if (!child->NodeAlready())
            return false;
    }
    return true;
}

void KNode::ControllerChange()
{
    for (KNode* child : std::as_const(m_children))
        child->ControllerChange();
}

void KNode::ReloadAtrrbute(KNode*) {}

int KNode::Duration()
{
    return 0;
}

void KNode::AddChild(KNode* child)
{
    m_children.append(child);
    child->set_parent(this);
}

void KNode::InsertChild(int i, KNode* child)
{
    m_children.insert(i, child);
    child->set_parent(this);
}

void KNode::RemoveChild(KNode* child)
{
    child->set_parent(nullptr);
    m_children.removeOne(child);
}

void KNode::SwapChild(int i, int j)
{
    m_children.swapItemsAt(i, j);
}

void KNode::MoveChild(int from, int to)
{
    m_children.move(from, to);
}

KLevel KNode::ParentLevel(KLevel level)
{
    return level == LEVEL_ROOT ? LEVEL_NONE : KLevel(level - 1);
}

KNode* KNode::GetRelationNode(KLevel level)
{
    const int own = Level();
    if (own < level)
        return nullptr;
    KNode* node = this;
    for (int steps = own - level; steps > 0 && node; --steps)
        node = node->parent();
    return node;
}

KControllerNode* KNode::GetScreenNode()
{
    return qobject_cast<KControllerNode*>(GetRelationNode(LEVEL_SCREEN));
}

KSceneNode* KNode::GetSceneNode()
{
    return qobject_cast<KSceneNode*>(GetRelationNode(LEVEL_PROGRAM));
}

KFrameNode* KNode::GetFrameNode()
{
    return qobject_cast<KFrameNode*>(GetRelationNode(LEVEL_AREA));
}

bool KNode::ChildHadName(const QString& name) const
{
    if (!m_parent)
        return false;
    for (const KNode* sibling : m_parent->children()) {
        if (sibling->name() == name)
            return true;
    }
    return false;
}

void KNode::SetUniqueName(const QString& base)
{
    if (!m_parent) {
        set_name(base);
        return;
    }
    // The node's own current name counts as taken, so at most siblings + 1 candidates.
    for (int i = 1;; ++i) {
        const QString candidate = base + QString::number(i);
        if (!ChildHadName(candidate)) {
            set_name(candidate);
            return;
        }
    }
}

void KNode::SendCMD(const QString& key, const QVariant& value)
{
    Q_EMIT RecvCMD(key, value);
}

bool KNode::DataHasChang() const
{
    if (changed())
        return true;
    for (const KNode* child : m_children) {
        if (child->DataHasChang())
            return true;
    }
    return false;
}

void KNode::CleanDataChange()
{
    set_changed(false);
    for (KNode* child : std::as_const(m_children))
        child->CleanDataChange();
}

} // namespace Ky
