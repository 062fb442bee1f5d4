// Feeds arbitrary bytes to the hardware document reader, then writes the resulting record and
// reads it back: the record must be legal after any input and survive its own round trip.

#include "kscantiming.h"
#include "sthwconfig.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("kestrova.controller.debug=false"));
    // Never store anything, whatever the environment says.
    Ky::SetControllerRoot(QString());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<ST_HwConfig> config(new ST_HwConfig());
    InitHwConfig(*config);
    QByteArray buffer(reinterpret_cast<const char*>(data), qsizetype(size));
    unsigned int mask = 0;
    unsigned int netCard = 0;
    if (!AnalyzeHwInfo(buffer, *config, mask, netCard))
        return 0;

    std::unique_ptr<ST_HwConfig> corrected(new ST_HwConfig(*config));
    CorrectionHwConfig(*corrected);
    if (!(*corrected == *config))
        std::abort(); // correction is not idempotent

    Ky::DeriveHwConfig(*corrected);
    QByteArray doc;
    GeneratorConfig(doc, *config, static_cast<unsigned char>(netCard), QString(), HWG_AllWritable);
    std::unique_ptr<ST_HwConfig> again(new ST_HwConfig());
    unsigned int mask2 = 0;
    unsigned int netCard2 = 0;
    if (!AnalyzeHwInfo(doc, *again, mask2, netCard2) || mask2 != HWG_AllWritable)
        std::abort(); // our own document did not read back
    return 0;
}
