// Times writing and reading a project of 10,021 nodes (1 screen, 20 programs, 200 areas,
// 9,800 contents), each with a handful of attributes and a file list, as project files are.
// Prints "name: value unit" lines, the headline (reading the file) last. Median of 5 runs.

#include "fixturekinds.h"
#include "klist.h"
#include "kpluginmanager.h"
#include "kxmldataaccess.h"
#include "treedump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

KESTROVA_IMPORT_FIXTURE_KINDS()

namespace {

constexpr int kPrograms = 20;
constexpr int kAreas = 10;
constexpr int kContents = 49;
constexpr int kRuns = 5;

void Describe(Ky::KNode* node, const QString& name, int i)
{
    node->set_name(name);
    node->SetGuid(QStringLiteral("{%1-4f1c-9a7e-%2}").arg(i, 8, 16, QLatin1Char('0')).arg(i * 7919, 12, 10, QLatin1Char('0')));
    node->SetAttribute(QStringLiteral("X"), i % 64);
    node->SetAttribute(QStringLiteral("Y"), i % 32);
    node->SetAttribute(QStringLiteral("Width"), 64);
    node->SetAttribute(QStringLiteral("Height"), 32);
    node->SetAttribute(QStringLiteral("HoldTime"), 50);
}

Ky::KNode* BuildProject()
{
    auto* screen = new Fixture::ScreenNode;
    Describe(screen, QStringLiteral("Screen"), 0);
    int n = 1;
    for (int p = 0; p < kPrograms; ++p) {
        auto* program = new Fixture::ProgramNode;
        screen->AddChild(program);
        Describe(program, QStringLiteral("Program %1").arg(p), n++);
        for (int a = 0; a < kAreas; ++a) {
            auto* area = new Fixture::AreaNode;
            program->AddChild(area);
            Describe(area, QStringLiteral("Area %1").arg(a), n++);
            for (int c = 0; c < kContents; ++c) {
                auto* content = new Fixture::MediaNode;
                area->AddChild(content);
                Describe(content, QStringLiteral("Picture %1").arg(c), n++);
                content->SetAttribute(QStringLiteral("Text"),
                                      QStringLiteral("Opening hours <b>9 & 5</b>\nToday"));
                content->SetFilePath(Fixture::MediaKey,
                                     QStringLiteral("/home/operator/media/picture-%1.png").arg(n),
                                     QStringLiteral("0123456789abcdef0123456789abcdef"));
            }
        }
    }
    return screen;
}

double MedianMs(const std::function<void()>& step)
{
    QList<double> times;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.append(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(kRuns / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Fixture::UseFixtureKindsOnly();
    Ky::KPluginManager::instance();
    Ky::KXmlDataAccess io;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.boo"));

    std::unique_ptr<Ky::KNode> project(BuildProject());
    QByteArray document;
    const double writeMemory = MedianMs([&] { io.WriteNode(project.get(), document); });
    const double writeFile = MedianMs([&] {
        if (!io.Write(project.get(), path))
            std::fprintf(stderr, "write failed\n");
    });
    int nodes = 0;
    const double readMemory = MedianMs([&] {
        std::unique_ptr<Ky::KNode> copy(io.ReadNode(document, nullptr));
        nodes = Fixture::CountNodes(copy.get());
    });
    int fileNodes = 0;
    const double readFile = MedianMs([&] {
        std::unique_ptr<Ky::KNode> copy(io.Read(path, nullptr));
        fileNodes = Fixture::CountNodes(copy.get());
    });
    if (nodes != Fixture::CountNodes(project.get()) || fileNodes != nodes) {
        std::fprintf(stderr, "read %d and %d nodes of %d\n", nodes, fileNodes,
                     Fixture::CountNodes(project.get()));
        return 1;
    }

    std::printf("nodes: %d count\n", nodes);
    std::printf("file_size: %.1f KiB\n", double(QFileInfo(path).size()) / 1024.0);
    std::printf("write_memory: %.1f ms\n", writeMemory);
    std::printf("write_file: %.1f ms\n", writeFile);
    std::printf("read_memory: %.1f ms\n", readMemory);
    std::printf("read_file: %.1f ms\n", readFile);
    return 0;
}
