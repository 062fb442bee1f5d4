#pragma once

#include <QByteArray>
#include <QString>

namespace Ky {

class KNode;

// Persistence of node trees: project files on disk and node documents in memory (clipboard,
// drag and drop). The item model holds its implementation through this interface.
class IDataAccess
{
public:
    virtual ~IDataAccess() = default;

    // Reads a project file; the node read is attached to parent (when given) and returned.
    // Null on failure.
    virtual KNode* Read(const QString& path, KNode* parent) = 0;
    // Writes node and its subtree as a project file.
    virtual bool Write(KNode* node, const QString& path) = 0;
    // Read on an in-memory document; the changed flags stay as reading set them.
    virtual KNode* ReadNode(const QByteArray& data, KNode* parent) = 0;
    // Write into memory; data is replaced.
    virtual void WriteNode(KNode* node, QByteArray& data) = 0;
};

} // namespace Ky
