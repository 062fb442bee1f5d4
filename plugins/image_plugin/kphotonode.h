#pragma once

#include "keffectnode.h"
#include "kpictureinfo.h"

namespace Ky::KImagePlugin {

// A picture content: a still image or a GIF, with its effects. For controllers that cannot
// scale pictures (and for GIFs above 1280 x 720) it prepares a copy scaled to the area, the
// duplicate, which the output then carries instead of the picture.
class KPhotoNode : public KEffectNode
{
    Q_OBJECT
public:
    static QString TypeName() { return QStringLiteral("KY_Image_Plugin"); }

    QString Type() override { return TypeName(); }

    void Copy() override;
    void Delete() override;
    void Generator(const QString& path, QList<KSendFileInfo>& files) override;
    void Export(const QString& path) override;
    void Import(const QString& path) override;
    bool NodeAlready() override;
    int Duration() override;

    QString GetPhoto() const;
    void SetPhoto(const QString& path);
    void SetKeepRatio(bool keep);
    bool IsKeepRatio() const;
    QString FileDuplicate() const;

    // Reads the picture's information once (until the picture changes).
    void LoadInfo();
    const KPictureInfo& info() const { return m_info; }
    // Effects, speeds, hold and ratio of a node made for a new file.
    void InitNewNode();
    // After the panel chose another picture: new information, no duplicate, a fitting hold.
    void ResetPhoto();

Q_SIGNALS:
    void KeepRatioChanged(bool keep);
    void ImageChanged();

private:
    QSize DuplicateTarget();
    void MakeDuplicate(const QSize& target);
    void DropDuplicate();

    KPictureInfo m_info;
};

} // namespace Ky::KImagePlugin
