#pragma once

#include "idataaccess.h"
#include "kcore_global.h"

#include <QCoreApplication>
#include <QMutex>
#include <QSet>
#include <QStringList>

namespace Ky {

// Node trees as XML: one `Node` element per node with its `Attribute`, `List`/`ListItem`
// and child `Node` elements. Files are replaced atomically (QSaveFile), so a failed or
// interrupted write leaves the previous file as it was. Nested nodes of kinds that no
// plug-in provides are kept as KOpaqueNode and written back unchanged.
class KCORE_EXPORT KXmlDataAccess : public IDataAccess
{
    Q_DECLARE_TR_FUNCTIONS(Ky::KXmlDataAccess)
public:
    // Deeper `Node` nesting is treated as a damaged document. Real projects are a handful of
    // levels deep; the bound keeps every recursive walk of the tree far from the stack limit.
    static constexpr int MaxNodeDepth = 256;

    KXmlDataAccess() = default;

    KNode* Read(const QString& path, KNode* parent) override;
    bool Write(KNode* node, const QString& path) override;
    KNode* ReadNode(const QByteArray& data, KNode* parent) override;
    void WriteNode(KNode* node, QByteArray& data) override;

    // Why the last Read or Write failed or read only part of the file; empty after a
    // complete one. For callers that report to a log or a terminal instead of the operator.
    QString ErrorString() const { return m_error; }

private:
    // Tells the operator, once per kind for the life of this object, which kinds could not
    // be created and were kept unchanged.
    void NoticeMissingKinds(const QSet<QString>& kinds);

    QMutex m_mutex;
    QSet<QString> m_reported;
    QString m_error;
};

} // namespace Ky
