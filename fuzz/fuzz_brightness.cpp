// Feeds arbitrary bytes as a brightness schedule file to the section list, the reader and the
// merging writer.

#include "klist.h"
#include "operatebrightnessxml.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
QTemporaryDir* g_dir = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("kestrova.controller.debug=false"));
    g_dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = g_dir->filePath(QStringLiteral("brightness.xml"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QStringList sections = Ky::OperateBrightnessXml::GetPortTypeList(path);
    Ky::OperateBrightnessXml xml;
    const bool readable = xml.read(path, QStringLiteral("One"));
    for (const QString& s : sections)
        xml.read(path, s);

    xml.SetAttribute(QStringLiteral("bs_setting"), QStringLiteral("bs_custom"));
    xml.GetList(QStringLiteral("BrightSettingList"))->AddItem()->insert(QStringLiteral("Check"),
                                                                        QStringLiteral("1"));
    const bool merged = xml.writer(path, QStringLiteral("One"), true);
    if (merged && !readable)
        std::abort(); // only a file we could read takes a merge
    if (merged) {
        const QStringList after = Ky::OperateBrightnessXml::GetPortTypeList(path);
        if (after.isEmpty() || after.last() != QLatin1String("One"))
            std::abort();
    }
    return 0;
}
