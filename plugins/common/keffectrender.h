#pragma once

#include "icontentrender.h"
#include "kgifplay.h"

#include <QObject>
#include <QPointer>

namespace Ky {

class KEffectNode;

// Plays a picture content through KGifPlay and follows the node's effect settings while it
// plays. The kinds say which file and which fill type.
class KEffectRender : public QObject, public IContentRender
{
    Q_OBJECT
public:
    explicit KEffectRender(KEffectNode* node);
    ~KEffectRender() override;

    void Start(quint32 area) override;
    void Pause() override;
    void Stop() override;
    void Close() override { Stop(); }
    void Refresh() override {}
    RenderState GetRenderState() override;

    KGifPlay* engine() const { return m_play.get(); }

public Q_SLOTS:
    void ON_DispEffectChanged(int effect);
    void ON_DispTimeChanged(int time);
    void ON_ClearEffectChanged(int effect);
    void ON_ClearTimeChanged(int time);
    void ON_HoldTimeChanged(int time);

protected:
    virtual QString File() const = 0;
    virtual quint32 FillType() const { return 0; }
    virtual quint8 AlphaBlend() const { return 1; }
    // The session of the running picture, 0 when none.
    quint32 Session() const;

    QPointer<KEffectNode> m_node;
    quint32 m_area = 0;

private:
    std::unique_ptr<KGifPlay> m_play;
};

} // namespace Ky
