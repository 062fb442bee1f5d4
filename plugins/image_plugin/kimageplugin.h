#pragma once

#include "inodeplugin.h"

#include <QObject>
#include <QPointer>

namespace Ky::KImagePlugin {

class KPhotoClient;
class KPhotoNode;

// The picture kind: still images in every format the toolkit reads, and GIF animations.
class KImagePlugin : public QObject, public INodePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KY_NODE_PLUGIN_IID)
    Q_INTERFACES(Ky::INodePlugin)
public:
    ~KImagePlugin() override;

    QString name() override;
    KLevel level() override { return LEVEL_CONTENT; }
    QString type() override;
    const QIcon& icon() override;
    KNode* Create() override;
    INodeClient* GetClient() override;
    IContentRender* CreateAreaRender(KNode* node) override;
    KNode* AddFile(KModel* model, const QModelIndex& parent, int row) override;
    KNode* AddFileBasisSuffix(const QString& file, KModel* model, const QModelIndex& parent,
                              int row) override;
    QString SupportSuffix() override;
    void D3DLoseDevice() override;

private:
    // A node for a picture file that loads, inserted at row; null after a warning otherwise.
    KNode* Insert(const QString& file, KModel* model, const QModelIndex& parent, int row,
                  bool warn);

    QIcon m_icon;
    QPointer<KPhotoClient> m_client;
};

} // namespace Ky::KImagePlugin
