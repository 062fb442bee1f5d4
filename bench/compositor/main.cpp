// Composing speed of the render service: a 1920 x 1080 window with 16 areas, each playing a
// moving effect, composed on one core. Prints "figure: value unit" lines, the headline last.

#include "scenerender.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QThreadPool>

#include <sched.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Columns = 4;
constexpr int Rows = 4;
constexpr int FrameMs = 16;
constexpr int Frames = 1200;

void pinToOneCore()
{
    const int cpu = sched_getcpu();
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(cpu < 0 ? 0 : cpu, &set);
    if (sched_setaffinity(0, sizeof(set), &set) != 0)
        std::fprintf(stderr, "bench_compositor: could not pin to one core\n");
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

QImage picture(QSize size, int seed, int alpha)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv((seed * 47) % 360, 200, 255, alpha));
    gradient.setColorAt(1, QColor::fromHsv((seed * 47 + 120) % 360, 255, 160, alpha));
    painter.fillRect(image.rect(), gradient);
    return image;
}

struct Scene
{
    std::vector<quint32> textures;
    std::vector<QImage> images;
};

// 16 areas, two pictures each; display and clear effects are moves (or the given effect).
Scene build(int alpha, int effectBase, bool moves)
{
    Scene scene;
    const int w = Width / Columns;
    const int h = Height / Rows;
    for (int i = 0; i < Columns * Rows; ++i) {
        const quint32 area = RegisterAreaSession(CreateAreaSession(
            (i % Columns) * w, (i / Columns) * h, w, h, 255, -1, 0, 0, 0, 0, 0, 0));
        for (int p = 0; p < 2; ++p) {
            const QImage image = picture({w, h}, i * 2 + p, alpha);
            const quint32 texture = CreateTexture(w, h);
            UpdateTextureData(texture, image.constBits(), w, h);
            const int effect = moves ? 1 + (i + p) % 4 : effectBase;
            const quint32 record[6] = {quint32(effect), 2000, quint32(effect), 2000, 0, 0};
            const qint32 rects[8] = {0, 0, w, h, 0, 0, w, h};
            const quint32 session = CreatePictureSession(2, &texture, 4, record, rects, 0);
            AddPictureSession(area, session, 0);
            scene.textures.push_back(texture);
            scene.images.push_back(image);
        }
    }
    return scene;
}

struct Result
{
    double fps;
    double meanMs;
    double worstMs;
};

Result run(QObject* window, int alpha, int effect, bool moves, bool upload)
{
    DestroyRenderer();
    CreateRenderer();
    InitRenderer(window, Width, Height, FrameMs);
    const Scene scene = build(alpha, effect, moves);
    StepRenderer(0); // scale every picture once before timing

    std::vector<qint64> times;
    times.reserve(Frames);
    QElapsedTimer total;
    total.start();
    for (int frame = 0; frame < Frames; ++frame) {
        QElapsedTimer one;
        one.start();
        if (upload) { // every picture gets a new frame, as a video would
            for (size_t t = 0; t < scene.textures.size(); ++t)
                UpdateTextureData(scene.textures[t], scene.images[t].constBits(),
                                  scene.images[t].width(), scene.images[t].height());
        }
        StepRenderer(FrameMs);
        times.push_back(one.nsecsElapsed());
        if (frame % 64 == 0)
            QCoreApplication::sendPostedEvents(); // finished-picture events
    }
    const double seconds = double(total.nsecsElapsed()) / 1e9;
    QCoreApplication::sendPostedEvents();
    const qint64 worst = *std::max_element(times.begin(), times.end());
    return {Frames / seconds, seconds * 1000.0 / Frames, double(worst) / 1e6};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    pinToOneCore();
    QObject window;

    const Result fade = run(&window, 255, 17, false, false);
    std::printf("fade_16_areas_fps: %.1f fps\n", fade.fps);
    const Result blinds = run(&window, 255, 18, false, false);
    std::printf("blinds_16_areas_fps: %.1f fps\n", blinds.fps);
    const Result translucent = run(&window, 160, 0, true, false);
    std::printf("translucent_moving_16_areas_fps: %.1f fps\n", translucent.fps);
    const Result video = run(&window, 255, 0, true, true);
    std::printf("moving_16_areas_new_texture_every_frame_fps: %.1f fps\n", video.fps);
    const Result moving = run(&window, 255, 0, true, false);
    // KESTROVA_BENCH_SNAPSHOT=file.png keeps the last frame, to see what was composed.
    if (const QString path = qEnvironmentVariable("KESTROVA_BENCH_SNAPSHOT"); !path.isEmpty())
        CaptureRenderFrame().save(path);
    std::printf("moving_16_areas_worst_frame: %.2f ms\n", moving.worstMs);
    std::printf("moving_16_areas_mean_frame: %.2f ms\n", moving.meanMs);
    std::printf("compose_fps_1920x1080_16_moving_areas_one_core: %.1f fps\n", moving.fps);
    DestroyRenderer();
    return 0;
}
