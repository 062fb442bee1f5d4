#include "kgifclient.h"

#include "kgifnode.h"
#include "kprompt.h"

#include <QFileInfo>

namespace Ky::KAnimPlugin {

KGifClient::KGifClient(QWidget* parent) : KEffectPanel("Ky::KAnimPlugin::KGifClient", parent)
{
    setObjectName(QStringLiteral("KGifClient"));
    Translate();
    setEnabled(false);
}

void KGifClient::SetNode(KNode* node)
{
    auto* gif = qobject_cast<KGifNode*>(node);
    m_node = gif;
    if (!gif) {
        setEnabled(false);
        return;
    }
    m_updating = true;
    setEnabled(true);
    gif->LoadInfo();
    Fill(gif->GetGif(), gif->info());
    ShowGifFields(true, gif->info());
    m_updating = false;
    if (!QFileInfo::exists(gif->GetGif()))
        Prompt::Warning(nullptr, Text("Warning"), Text("File %1 not found!").arg(gif->GetGif()));
}

} // namespace Ky::KAnimPlugin
