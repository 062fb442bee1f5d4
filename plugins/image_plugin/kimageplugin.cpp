#include "kimageplugin.h"

#include "kappconfig.h"
#include "kmodel.h"
#include "kphotoclient.h"
#include "kphotonode.h"
#include "kphotorender.h"
#include "kprompt.h"
#include "scenerender.h"

#include <QFileInfo>
#include <QImageReader>

namespace Ky::KImagePlugin {

KImagePlugin::~KImagePlugin()
{
    delete m_client.data();
}

QString KImagePlugin::name()
{
    return tr("Photo");
}

QString KImagePlugin::type()
{
    return KPhotoNode::TypeName();
}

const QIcon& KImagePlugin::icon()
{
    if (m_icon.isNull())
        m_icon = QIcon(QStringLiteral(":/knodephoto/images/icon.png"));
    return m_icon;
}

KNode* KImagePlugin::Create()
{
    return new KPhotoNode;
}

INodeClient* KImagePlugin::GetClient()
{
    if (!m_client)
        m_client = new KPhotoClient;
    return m_client.data();
}

IContentRender* KImagePlugin::CreateAreaRender(KNode* node)
{
    auto* photo = qobject_cast<KPhotoNode*>(node);
    return photo ? new KPhotoRender(photo) : nullptr;
}

KNode* KImagePlugin::Insert(const QString& file, KModel* model, const QModelIndex& parent, int row,
                            bool warn)
{
    QImageReader reader(file);
    if (reader.read().isNull()) {
        if (warn)
            Prompt::Warning(nullptr, tr("Warning"),
                            tr("Load [") + file + tr("] Failure! File is corrupted?"));
        return nullptr;
    }
    auto* node = new KPhotoNode;
    node->set_name(QFileInfo(file).baseName());
    node->SetPhoto(file);
    node->InitNewNode();
    if (model)
        model->AddNode(row, parent, node);
    return node;
}

KNode* KImagePlugin::AddFile(KModel* model, const QModelIndex& parent, int row)
{
    KAppConfig* config = KAppConfig::instance();
    const QStringList files = Prompt::OpenFileNames(
        nullptr, tr("Choose Image File"), config->GetLastImageFilePath(), config->SuportImage());
    KNode* last = nullptr;
    for (const QString& file : files) {
        if (KNode* node = Insert(file, model, parent, row, true))
            last = node;
    }
    if (!files.isEmpty())
        config->SetLastImageFilePath(files.first());
    return last;
}

KNode* KImagePlugin::AddFileBasisSuffix(const QString& file, KModel* model,
                                        const QModelIndex& parent, int row)
{
    const QString suffix = QFileInfo(file).suffix();
    if (suffix.isEmpty() || !SupportSuffix().contains(suffix, Qt::CaseInsensitive))
        return nullptr;
    return Insert(file, model, parent, row, false);
}

QString KImagePlugin::SupportSuffix()
{
    return KAppConfig::instance()->SuportImage();
}

void KImagePlugin::D3DLoseDevice()
{
    quint32 first = 0;
    quint32 second = 0;
    GetD3DDevice(&first, &second);
    SetDevice(second);
}

} // namespace Ky::KImagePlugin
