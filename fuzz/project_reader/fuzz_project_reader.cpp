// Feeds arbitrary bytes to the project reader. Beyond "no crash, no hang", every tree that
// is read must survive a write and a second read unchanged.

#include "fixturekinds.h"
#include "kpluginmanager.h"
#include "kprompt.h"
#include "kxmldataaccess.h"
#include "treedump.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

KESTROVA_IMPORT_FIXTURE_KINDS()

namespace {
Ky::KXmlDataAccess* io = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static int argc = 1;
    static char name[] = "fuzz_project_reader";
    static char* argv[] = {name, nullptr};
    qputenv("KESTROVA_NONINTERACTIVE", "1");
    static QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    Ky::Prompt::SetInteractive(false);
    Fixture::UseFixtureKindsOnly();
    Ky::KPluginManager::instance();
    // One instance, as in the program: each missing kind is reported once.
    io = new Ky::KXmlDataAccess;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray document =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<Ky::KNode> node(io->ReadNode(document, nullptr));
    if (node) {
        QByteArray written;
        io->WriteNode(node.get(), written);
        std::unique_ptr<Ky::KNode> again(io->ReadNode(written, nullptr));
        // The store may keep a key whose value a later element emptied; written as an empty
        // element it reads back as absent, which reads the same.
        const QString first = Fixture::Dump(node.get(), true);
        const QString second = Fixture::Dump(again.get(), true);
        if (first != second) {
            std::fprintf(stderr, "round trip changed the tree\n--- read\n%s\n--- written\n%s\n"
                                 "--- read back\n%s\n",
                         first.toUtf8().constData(), written.constData(),
                         second.toUtf8().constData());
            std::abort();
        }
    }
    QCoreApplication::sendPostedEvents();
    Ky::Prompt::Reset();
    return 0;
}
