#pragma once

#include "inodeplugin.h"

#include <QObject>
#include <QPointer>

namespace Ky::KAnimPlugin {

class KGifClient;

// The GIF kind: animations only, recognised by their content.
class KAnimPlugin : public QObject, public INodePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KY_NODE_PLUGIN_IID)
    Q_INTERFACES(Ky::INodePlugin)
public:
    ~KAnimPlugin() override;

    QString name() override;
    KLevel level() override { return LEVEL_CONTENT; }
    QString type() override;
    const QIcon& icon() override;
    KNode* Create() override;
    INodeClient* GetClient() override;
    IContentRender* CreateAreaRender(KNode* node) override;
    KNode* AddFile(KModel* model, const QModelIndex& parent, int row) override;
    void D3DLoseDevice() override;

private:
    QIcon m_icon;
    QPointer<KGifClient> m_client;
};

} // namespace Ky::KAnimPlugin
