#include "kphotoclient.h"

#include "kappconfig.h"
#include "kphotonode.h"
#include "kprompt.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace Ky::KImagePlugin {

namespace {
// The panel's texts, for the translation tools (the panel looks them up by this context).
[[maybe_unused]] const char* const kTexts[] = {
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "File Attribute"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "File Path"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Width"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Height"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Frames"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Duration"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Effect"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Display"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Clear"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Hold"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "0.1S"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "No Effect"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Random"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Warning"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "File %1 not found!"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Choose"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "KeepRatio"),
    QT_TRANSLATE_NOOP("Ky::KImagePlugin::KPhotoClient", "Choose Image File"),
};
const char* const kContext = "Ky::KImagePlugin::KPhotoClient";
} // namespace

KPhotoClient::KPhotoClient(QWidget* parent) : KEffectPanel(kContext, parent)
{
    setObjectName(QStringLiteral("KPhotoClient"));
    m_choose = new QPushButton(m_fileGroup);
    m_choose->setObjectName(QStringLiteral("Choose"));
    m_keepRatio = new QCheckBox(m_fileGroup);
    m_keepRatio->setObjectName(QStringLiteral("KeepRatio"));
    m_fileGrid->addWidget(m_keepRatio, 3, 0, 1, 2);
    m_fileGrid->addWidget(m_choose, 3, 3);
    connect(m_choose, &QPushButton::clicked, this, &KPhotoClient::ON_Choose);
    connect(m_keepRatio, &QCheckBox::clicked, this, &KPhotoClient::ON_KeepRatio);
    Translate();
    setEnabled(false);
}

void KPhotoClient::TranslateExtra()
{
    m_choose->setText(Text("Choose"));
    m_keepRatio->setText(Text("KeepRatio"));
}

KPhotoNode* KPhotoClient::photo() const
{
    return qobject_cast<KPhotoNode*>(m_node.data());
}

void KPhotoClient::SetNode(KNode* node)
{
    m_node = qobject_cast<KPhotoNode*>(node);
    m_updating = true;
    if (!m_node) {
        setEnabled(false);
        return;
    }
    setEnabled(true);
    photo()->LoadInfo();
    const QString path = photo()->GetPhoto();
    if (!QFileInfo::exists(path)) {
        // The panel keeps what it showed and takes no edits until another picture is chosen.
        Prompt::Warning(nullptr, Text("Warning"), Text("File %1 not found!").arg(path));
        return;
    }
    Fill(path, photo()->info());
    UpdateGifBlock();
    m_updating = false;
}

void KPhotoClient::UpdateGifBlock()
{
    KPhotoNode* node = photo();
    const bool gif = node->info().isGif;
    ShowGifFields(gif, node->info());
    m_keepRatio->setVisible(!gif);
    if (gif)
        node->SetKeepRatio(false);
    else
        m_keepRatio->setChecked(node->IsKeepRatio());
}

void KPhotoClient::ON_Choose()
{
    KPhotoNode* node = photo();
    if (!node)
        return;
    KAppConfig* config = KAppConfig::instance();
    const QString file = Prompt::OpenFileName(
        nullptr, Text("Choose Image File"), config->GetLastImageFilePath(), config->SuportImage());
    if (file.isEmpty() || !QFileInfo::exists(file))
        return;
    m_updating = true;
    node->SetPhoto(file); // restarts the preview
    node->ResetPhoto();
    // Everything shows the new picture, also after a missing one left the panel stale.
    Fill(file, node->info());
    UpdateGifBlock();
    m_updating = false;
    config->SetLastImageFilePath(file);
}

void KPhotoClient::ON_KeepRatio()
{
    if (m_updating || !photo())
        return;
    photo()->SetKeepRatio(m_keepRatio->isChecked());
}

} // namespace Ky::KImagePlugin
