// The picture kind's GIF rescaler against "gifsicle --resize" on the same file: a 1920 x 1080
// animation of 24 frames (full frames on the global map, partial frames, frames with their own
// maps) brought to 1280 x 720, as for controllers that take no larger GIF. Prints
// "figure: value unit" lines, the headline last.
//   build/bin/bench_gifscale [runs, default 5]

#include "kgiffixture.h"
#include "kgifscaler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QSize kSource(1920, 1080);
const QSize kTarget(1280, 720);
constexpr int kFrames = 24;

// Bands of a few colours that move from frame to frame.
QImage Bands(const QSize& size, int frame, int colours)
{
    QImage image(size, QImage::Format_ARGB32);
    QPainter painter(&image);
    const int band = qMax(1, size.width() / 12);
    for (int x = 0, i = 0; x < size.width(); x += band, ++i)
        painter.fillRect(x, 0, band, size.height(),
                         QColor::fromHsv(((i + frame) % colours) * 360 / colours, 220, 250));
    painter.fillRect(size.width() / 3, size.height() / 3, size.width() / 3, size.height() / 3,
                     QColor::fromHsv((frame * 37) % 360, 255, 200));
    return image;
}

QList<Ky::Test::GifFrame> Animation()
{
    QList<Ky::Test::GifFrame> frames;
    for (int i = 0; i < kFrames; ++i) {
        Ky::Test::GifFrame frame;
        frame.delayMs = 80;
        if (i % 3 == 1) { // a partial frame
            frame.image = Bands(QSize(640, 360), i, 6);
            frame.pos = QPoint(160 + 20 * i, 90 + 10 * i);
        } else {
            frame.image = Bands(kSource, i, 12);
            frame.localMap = i % 3 == 2;
        }
        frames << frame;
    }
    return frames;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString source = dir.filePath("source.gif");
    if (!Ky::Test::WriteGif(source, kSource, Animation())) {
        std::fprintf(stderr, "bench_gifscale: cannot write the test animation\n");
        return 1;
    }
    const QString gifsicle = QStandardPaths::findExecutable(QStringLiteral("gifsicle"));

    std::vector<double> ours;
    std::vector<double> theirs;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (!Ky::KImagePlugin::KGifScaler::Scale(source, dir.filePath("ours.gif"), kTarget)) {
            std::fprintf(stderr, "bench_gifscale: the rescaler failed\n");
            return 1;
        }
        ours.push_back(clock.nsecsElapsed() / 1e6);
        if (gifsicle.isEmpty())
            continue;
        QProcess process;
        clock.restart();
        process.start(gifsicle, {QStringLiteral("--resize"),
                                 QStringLiteral("%1x%2").arg(kTarget.width()).arg(kTarget.height()),
                                 source, QStringLiteral("-o"), dir.filePath("theirs.gif")});
        if (!process.waitForFinished(600000) || process.exitCode() != 0) {
            std::fprintf(stderr, "bench_gifscale: gifsicle failed\n");
            return 1;
        }
        theirs.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double mine = Median(ours);
    std::printf("source: %dx%d, %d frames\n", kSource.width(), kSource.height(), kFrames);
    std::printf("rescaler median: %.1f ms\n", mine);
    if (gifsicle.isEmpty()) {
        std::printf("gifsicle: not installed\n");
        return 0;
    }
    const double other = Median(theirs);
    std::printf("gifsicle --resize median: %.1f ms\n", other);
    std::printf("speed versus gifsicle: %.2f x\n", mine > 0 ? other / mine : 0.0);
    return 0;
}
