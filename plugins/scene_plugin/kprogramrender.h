#pragma once

#include "iframerender.h"
#include "kborderlayer.h"
#include "kstillarea.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace Ky {

class KSceneNode;

// Draws a program on the preview beneath its areas: the background colour or picture inside
// the program's border, and the border. It plays nothing, so it has always played through.
class KProgramRender : public QObject, public IFrameRender
{
    Q_OBJECT
public:
    // The program lies below every area.
    static constexpr int Layer = 0;

    explicit KProgramRender(KSceneNode* node);
    ~KProgramRender() override;

    void SetLayer(int) override {}
    void ShowContent(int) override {}
    bool IsPlayFinish() override { return true; }
    void PictureFinish(int) override {}
    void ContentChanged() override {}
    void TogglePause() override;
    void Start() override;
    void Stop() override;
    quint32 GetSession() override { return m_backdrop.area(); }
    void Replay() override {}
    void AllFinish() override {}

    KBorderLayer& border() { return m_border; }

private:
    void Build();
    void ShowPicture(const QString& path, const QRect& place);
    void Free();
    QString PicturePath() const;

    QPointer<KSceneNode> m_node;
    KStillArea m_backdrop; // background colour, and the picture when there is one
    KBorderLayer m_border;
    bool m_paused = false;
    QTimer m_rebuild; // gathers the program's changes into one redraw
};

} // namespace Ky
