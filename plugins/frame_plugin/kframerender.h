#pragma once

#include "iframerender.h"
#include "kborderlayer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace Ky {

class IContentRender;
class KFrameNode;

// Plays an area on the preview: its contents one after another through their kinds' content
// renderers, and its border. A content ends when the render service reports its picture
// finished, or its engine reports the end of a loop (both arrive as PictureFinish); after the
// last content the area has played through and starts over with the first.
class KFrameRender : public QObject, public IFrameRender
{
    Q_OBJECT
public:
    explicit KFrameRender(KFrameNode* node);
    ~KFrameRender() override;

    void SetLayer(int layer) override;
    // Shows that content only, until the next Start or Replay.
    void ShowContent(int index) override;
    bool IsPlayFinish() override;
    void PictureFinish(int pictureIndex) override;
    void ContentChanged() override;
    void TogglePause() override;
    void Start() override;
    void Stop() override;
    quint32 GetSession() override { return m_area; }
    void Replay() override;
    void AllFinish() override;

    // Row of the content that plays, -1 when none.
    int CurrentContent() const { return m_current; }
    bool IsPaused() const { return m_paused; }
    KBorderLayer& border() { return m_border; }

private:
    void BuildArea();
    void FreeArea();
    void Rebuild();
    void PlayContent(int row);
    void StopContent();
    void Advance();
    void SkipUnplayable();
    int ContentCount() const;

    QPointer<KFrameNode> m_node;
    int m_layer = -1;
    quint32 m_handle = 0;
    quint32 m_area = 0;
    KBorderLayer m_border;
    std::unique_ptr<IContentRender> m_content;
    int m_current = -1;
    bool m_finished = false;
    bool m_pinned = false;
    bool m_paused = false;
    int m_skipped = 0; // contents in a row that could not play
    QTimer m_skip;     // moves past a content that cannot play, outside the caller
    QTimer m_rebuild;  // gathers the node's geometry changes into one rebuild
    QTimer m_resume;   // restarts playback once a removed content has left the area
};

} // namespace Ky
