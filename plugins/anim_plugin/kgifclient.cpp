#include "kgifclient.h"

#include "kgifnode.h"
#include "kprompt.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace Ky::KAnimPlugin {

namespace {
// The panel's texts, for the translation tools (the panel looks them up by this context).
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "File Attribute"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "File Path"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Width"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Height"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Frames"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Duration"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Effect"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Display"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Clear"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Hold"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "0.1S"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "No Effect"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Random"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "Warning"),
    QT_TRANSLATE_NOOP("Ky::KAnimPlugin::KGifClient", "File %1 not found!"),
};
} // namespace

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
