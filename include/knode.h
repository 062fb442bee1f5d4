#pragma once

#include "kdata.h"
#include "ksendfileinfo.h"

#include <QList>
#include <QVariant>

namespace Ky {

class KControllerNode;
class KSceneNode;
class KFrameNode;

// A node of the project tree: an attribute store with a parent and owned, ordered children.
// The virtual operations travel down the tree; node kinds override them for their media.
class KCORE_EXPORT KNode : public KData
{
    Q_OBJECT
public:
    KNode();
    ~KNode() override;

    virtual void Copy();
    virtual void Delete();
    virtual void Close(bool flag);
    virtual void Generator(const QString& path, QList<KSendFileInfo>& files);
    virtual void Export(const QString& path);
    virtual void Import(const QString& path);
    virtual bool NodeAlready();
    virtual void ControllerChange();
    virtual void ReloadAtrrbute(KNode* source);
    virtual int Duration();

    KNode* parent() const { return m_parent; }
    void set_parent(KNode* parent) { m_parent = parent; }
    QList<KNode*>& children() { return m_children; }
    const QList<KNode*>& children() const { return m_children; }

    // Structural edits; they neither emit nor set the changed flag (the item model announces).
    void AddChild(KNode* child);
    void InsertChild(int i, KNode* child);
    void RemoveChild(KNode* child);
    void SwapChild(int i, int j);
    void MoveChild(int from, int to);

    static KLevel ParentLevel(KLevel level);
    KNode* GetRelationNode(KLevel level);
    KControllerNode* GetScreenNode();
    KSceneNode* GetSceneNode();
    KFrameNode* GetFrameNode();

    bool ChildHadName(const QString& name) const;
    void SetUniqueName(const QString& base);

    void SendCMD(const QString& key, const QVariant& value);

    bool DataHasChang() const;
    void CleanDataChange();

Q_SIGNALS:
    void RecvCMD(const QString& key, const QVariant& value);

private:
    KNode* m_parent = nullptr;
    QList<KNode*> m_children;
};

} // namespace Ky
