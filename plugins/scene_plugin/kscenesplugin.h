#pragma once

#include "inodeplugin.h"

#include <QObject>
#include <QPointer>

namespace Ky {

class KScenePanel;

// The program kind. Its one editing panel is made on first use and shared by all programs.
class KScenePlugin : public QObject, public INodePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KY_NODE_PLUGIN_IID)
    Q_INTERFACES(Ky::INodePlugin)
public:
    ~KScenePlugin() override;

    QString name() override;
    KLevel level() override { return LEVEL_PROGRAM; }
    QString type() override;
    const QIcon& icon() override;
    KNode* Create() override;
    INodeClient* GetClient() override;
    // A new, empty node of the kind under parent at row, named after the kind.
    KNode* AddFile(KModel* model, const QModelIndex& parent, int row) override;
    IFrameRender* CreateFrameRender(KNode* node) override;

private:
    QIcon m_icon;
    // The host may put the panel into its own layout; it then dies with the host's window.
    QPointer<KScenePanel> m_panel;
};

} // namespace Ky
