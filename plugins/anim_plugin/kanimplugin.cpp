#include "kanimplugin.h"

#include "kappconfig.h"
#include "kgifclient.h"
#include "kgifnode.h"
#include "kgifrender.h"
#include "kmodel.h"
#include "kprompt.h"
#include "scenerender.h"

#include <QFileInfo>
#include <QImageReader>
#include <QSettings>

namespace Ky::KAnimPlugin {

namespace {
const QString kLastFolder = QStringLiteral("LastGifFilePath");
} // namespace

KAnimPlugin::~KAnimPlugin()
{
    delete m_client.data();
}

QString KAnimPlugin::name()
{
    return tr("Gif");
}

QString KAnimPlugin::type()
{
    return KGifNode::TypeName();
}

const QIcon& KAnimPlugin::icon()
{
    if (m_icon.isNull())
        m_icon = QIcon(QStringLiteral(":/animplugin/images/icon.png"));
    return m_icon;
}

KNode* KAnimPlugin::Create()
{
    return new KGifNode;
}

INodeClient* KAnimPlugin::GetClient()
{
    if (!m_client)
        m_client = new KGifClient;
    return m_client.data();
}

IContentRender* KAnimPlugin::CreateAreaRender(KNode* node)
{
    auto* gif = qobject_cast<KGifNode*>(node);
    return gif ? new KGifRender(gif) : nullptr;
}

KNode* KAnimPlugin::AddFile(KModel* model, const QModelIndex& parent, int row)
{
    QSettings* settings = KAppConfig::s_setting;
    const QString folder = settings ? settings->value(kLastFolder).toString() : QString();
    const QStringList files = Prompt::OpenFileNames(nullptr, tr("Please Select GIF Files"), folder,
                                                    QStringLiteral("GIF (*.gif)"));
    KNode* last = nullptr;
    for (const QString& file : files) {
        // The content decides, not the name.
        if (QImageReader::imageFormat(file) != "gif") {
            Prompt::Warning(nullptr, tr("Warning"),
                            tr("%1 Don't Support the GIF Format!").arg(file));
            continue;
        }
        auto* node = new KGifNode;
        node->SetGif(file);
        node->InitNewNode();
        if (model)
            model->AddNode(row, parent, node);
        last = node;
    }
    if (!files.isEmpty() && settings)
        settings->setValue(kLastFolder, QFileInfo(files.first()).absolutePath());
    return last;
}

void KAnimPlugin::D3DLoseDevice()
{
    quint32 first = 0;
    quint32 second = 0;
    GetD3DDevice(&first, &second);
    SetDevice(second);
}

} // namespace Ky::KAnimPlugin
