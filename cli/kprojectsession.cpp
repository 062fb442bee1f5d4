#include "kprojectsession.h"

#include "kmodel.h"
#include "knode.h"
#include "kpluginmanager.h"
#include "kxmldataaccess.h"

#include <QFileInfo>

namespace Ky::Cli {

KProjectSession::KProjectSession()
    : m_model(std::make_unique<KModel>()), m_access(new KXmlDataAccess)
{
    m_model->SetDataAccess(m_access);
    KPluginManager::instance();
}

KProjectSession::~KProjectSession()
{
    // Nodes go before the plug-ins whose code they run.
    m_model.reset();
    KPluginManager::Destroy();
}

KNode* KProjectSession::Open(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return nullptr;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a file").arg(path);
        return nullptr;
    }
    KNode* node = m_model->Open(info.absoluteFilePath());
    if (!node) {
        *error =
            QStringLiteral("%1: cannot read the project: %2").arg(path, m_access->ErrorString());
        return nullptr;
    }
    if (!m_access->ErrorString().isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(path, m_access->ErrorString());
        return nullptr;
    }
    return node;
}

} // namespace Ky::Cli
