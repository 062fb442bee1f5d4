#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <vector>

namespace Ky {
class IFrameRender;
class KNode;
} // namespace Ky

namespace Ky::Cli {

// Plays one program in the render service without a display and without waiting: the frame
// clock is stepped, and the service's finished-picture events reach the area renderers as
// they do in the preview.
class KSnapshotPlayer : public QObject
{
public:
    // interval: frame period in ms; the clock advances in steps of this size.
    KSnapshotPlayer(const QSize& screenSize, int interval);
    ~KSnapshotPlayer() override;

    bool isReady() const { return m_ready; }
    // Starts the program's own renderer (background, border) and one renderer per area,
    // stacked in the areas' order. Returns the number of areas started.
    int Play(KNode* program);
    // Advances the play clock to ms after the start and returns the frame composed then.
    QImage FrameAt(int ms);

protected:
    bool event(QEvent* event) override;

private:
    void Deliver();

    bool m_ready = false;
    int m_interval;
    int m_now = 0;
    std::vector<IFrameRender*> m_renderers; // owned; the program's own first
};

} // namespace Ky::Cli
