#pragma once

#include "kcore_global.h"
#include "klevel.h"

#include <QList>
#include <QModelIndex>
#include <QSize>
#include <QString>

namespace Ky {

class KModel;
class KNode;

// Creates nodes through their plug-ins and places them in the tree the way the operator's
// insert commands do: at the position that follows the current node, with the default
// program and area below a new screen or program. Used by the project tree and the
// command-line tool.
class KCORE_EXPORT KNodeInserter
{
public:
    struct Position
    {
        QModelIndex parent; // invalid: the model's top level
        int row = 0;
    };

    explicit KNodeInserter(KModel* model);

    // Where a new node of level goes, starting from node (null or the model root: the top,
    // row 0). Below a node of a higher level it becomes the first child; otherwise it follows
    // node's ancestor of that level under the ancestor one level up.
    Position PositionFor(KLevel level, KNode* from) const;

    // Creates a node of the plug-in type after from. callAdd forces the add-file operation
    // even for plug-ins with their own creation flow. A new screen gets screenSize, a new
    // screen or program gets its default children. Returns the deepest node created, or null
    // when no plug-in has the type or the plug-in made nothing.
    KNode* InsertNode(const QString& type, bool callAdd, const QSize& screenSize, KNode* from);

    // WorkDir + pluginName + ".boo", numbered (pluginName1.boo, ...) while the file exists or
    // one of the open screens already uses the path.
    static QString NewProjectPath(const QString& pluginName, const QList<KNode*>& openScreens);

private:
    KNode* CreateAt(const QString& type, bool callAdd, KNode* from);

    KModel* m_model;
};

} // namespace Ky
