#pragma once

#include "klevel.h"

#include <QIcon>
#include <QModelIndex>
#include <QString>
#include <QtPlugin>

namespace Ky {

class IContentRender;
class IFrameRender;
class INodeClient;
class KModel;
class KNode;

// A plug-in that supplies one kind of node: it creates the nodes, edits them, renders them in
// the preview and turns media files into new nodes.
class INodePlugin
{
public:
    virtual ~INodePlugin() = default;

    // Display name of the kind.
    virtual QString name() = 0;
    virtual KLevel level() = 0;
    // Type name; equals Type() of the nodes it creates and their "Type" in project files.
    virtual QString type() = 0;
    virtual const QIcon& icon() = 0;
    // A new, unattached node of the kind.
    virtual KNode* Create() = 0;
    virtual INodeClient* GetClient() { return nullptr; }
    virtual IContentRender* CreateAreaRender(KNode*) { return nullptr; }
    virtual IFrameRender* CreateFrameRender(KNode*) { return nullptr; }
    // Asks the operator for media files and inserts nodes for them under parent at row.
    virtual KNode* AddFile(KModel*, const QModelIndex&, int) { return nullptr; }
    // True when the kind replaces the add-file dialog with its own creation flow, NewFile.
    virtual bool OverrideNewFile() { return false; }
    virtual KNode* NewFile(KModel*, const QModelIndex&, int) { return nullptr; }
    virtual void AppQuit() {}
    // Inserts a node for a file the caller already chose, when its suffix is the kind's.
    virtual KNode* AddFileBasisSuffix(const QString&, KModel*, const QModelIndex&, int)
    {
        return nullptr;
    }
    // File-dialog patterns the kind accepts, separated by blanks ("*.png *.jpg").
    virtual QString SupportSuffix() { return QString(); }
    virtual bool SuportController(const QString&) { return true; }
    // The preview's graphics device was lost: drop device resources.
    virtual void D3DLoseDevice() {}

    // Written by the plug-in manager from the plug-in configuration file.
    int Priority = 0;
    int Index = 0;
    int Default = 0;
};

} // namespace Ky

#define KY_NODE_PLUGIN_IID "Ky.interface.INodePlugin/1.0"
Q_DECLARE_INTERFACE(Ky::INodePlugin, KY_NODE_PLUGIN_IID)
