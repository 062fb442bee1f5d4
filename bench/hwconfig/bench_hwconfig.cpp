// Throughput of the hardware document writer and reader.
//
// Prints one "figure: value unit" line per measurement, the headline last:
//   hostile ...          milliseconds for one read of a hostile document
//   write all groups     documents per second (GeneratorConfig, all groups, ~10 KB each)
//   derive chain         records per second (the nine derivations)
//   read all groups      documents per second (AnalyzeHwInfo on that document)

#include "kscantiming.h"
#include "sthwconfig.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

std::unique_ptr<ST_HwConfig> Fresh()
{
    std::unique_ptr<ST_HwConfig> c(new ST_HwConfig());
    InitHwConfig(*c);
    return c;
}

// Runs `step` repeatedly for about `seconds`; returns runs per second.
double Rate(double seconds, const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    qint64 runs = 0;
    while (timer.nsecsElapsed() < qint64(seconds * 1e9)) {
        for (int i = 0; i < 50; ++i)
            step();
        runs += 50;
    }
    return double(runs) / (double(timer.nsecsElapsed()) / 1e9);
}

double OnceMs(const QByteArray& doc)
{
    auto c = Fresh();
    QByteArray buffer = doc;
    unsigned int mask = 0, netCard = 0;
    QElapsedTimer timer;
    timer.start();
    AnalyzeHwInfo(buffer, *c, mask, netCard);
    return double(timer.nsecsElapsed()) / 1e6;
}

QByteArray Wrap(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><BoxHwConfig>" + body + "</BoxHwConfig>";
}

// Reads of hostile documents, each timed once.
void PrintHostile()
{
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "<CellWidth Value=\"" + QByteArray::number(i % 64) + "\"/>";
    std::printf("hostile 100000 elements: %.1f ms\n", OnceMs(Wrap(many)));
    std::printf("hostile nested 100000 deep: %.1f ms\n",
                OnceMs(Wrap(QByteArray("<CardInfo>").repeated(100000) +
                            QByteArray("</CardInfo>").repeated(100000))));
    std::printf("hostile unclosed 100000 deep: %.1f ms\n",
                OnceMs(Wrap(QByteArray("<CardInfo>").repeated(100000))));
    std::printf("hostile 16 MB base64: %.1f ms\n",
                OnceMs(Wrap("<LookUpTab Value=\"" + QByteArray(12 * 1024 * 1024, 'x').toBase64() +
                            "\"/>")));
    QByteArray cards = "<CardInfo>";
    for (int i = 0; i < 100000; ++i)
        cards += "<Card><x Value=\"1\"/></Card>";
    std::printf("hostile 100000 cards: %.1f ms\n", OnceMs(Wrap(cards + "</CardInfo>")));
    QByteArray plan = "<ModeSwitchPlan>";
    for (int i = 0; i < 100000; ++i)
        plan += "<CustomMode><Checked Value=\"1\"/><Start Value=\"12:00:00\"/>"
                "<End Value=\"13:00:00\"/></CustomMode>";
    std::printf("hostile 100000 plan slots: %.1f ms\n", OnceMs(Wrap(plan + "</ModeSwitchPlan>")));
    QByteArray binary(1 << 20, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 2654435761u) >> 24);
    std::printf("hostile 1 MB binary: %.1f ms\n", OnceMs(binary));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("kestrova.controller.debug=false"));
    Ky::SetControllerRoot(QString());
    const double seconds = argc > 1 ? QByteArray(argv[1]).toDouble() : 2.0;

    auto config = Fresh();
    QByteArray doc;
    GeneratorConfig(doc, *config, 1, QString(), HWG_AllWritable);
    std::printf("document size: %lld bytes\n", static_cast<long long>(doc.size()));

    PrintHostile();
    QByteArray out;
    std::printf("write all groups: %.0f documents/s\n", Rate(seconds, [&] {
                    GeneratorConfig(out, *config, 1, QString(), HWG_AllWritable);
                }));
    // The derivations run on the record read from the document.
    auto target = Fresh();
    {
        QByteArray buffer = doc;
        unsigned int mask = 0, netCard = 0;
        AnalyzeHwInfo(buffer, *target, mask, netCard);
    }
    std::printf("derive chain: %.0f records/s\n",
                Rate(seconds, [&] { Ky::DeriveHwConfig(*target); }));
    std::printf("read all groups: %.0f documents/s\n", Rate(seconds, [&] {
                    QByteArray buffer = doc;
                    unsigned int mask = 0, netCard = 0;
                    AnalyzeHwInfo(buffer, *target, mask, netCard);
                }));

    return 0;
}
