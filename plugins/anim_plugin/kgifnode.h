#pragma once

#include "keffectnode.h"
#include "kpictureinfo.h"

namespace Ky::KAnimPlugin {

// A GIF animation content, named after its file.
class KGifNode : public KEffectNode
{
    Q_OBJECT
public:
    static QString TypeName() { return QStringLiteral("KY_Anim_Plugin"); }

    QString Type() override { return TypeName(); }

    void Generator(const QString& path, QList<KSendFileInfo>& files) override;
    void Export(const QString& path) override;
    void Import(const QString& path) override;
    int Duration() override;

    QString GetGif() const;
    // Names the node after the file (without its last suffix) and makes it the node's file.
    void SetGif(const QString& path);

    void LoadInfo();
    const KPictureInfo& info() const { return m_info; }
    void InitNewNode();

private:
    KPictureInfo m_info;
};

} // namespace Ky::KAnimPlugin
