// Feeds arbitrary bytes to the GIF rescaler as a source file. Beyond "no crash, no leak, no
// hang": a run that succeeds must leave a GIF that giflib decodes at the target size.

#include "kgifscaler.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gif_lib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
QTemporaryDir* dir = nullptr;

void CheckCopy(const QString& path, int width, int height)
{
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->SWidth != width || gif->SHeight != height) {
        std::fprintf(stderr, "a successful run wrote a GIF that does not decode\n");
        std::abort();
    }
    DGifCloseFile(gif, &error);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    dir = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString source = dir->filePath(QStringLiteral("in.gif"));
    const QString copy = dir->filePath(QStringLiteral("out.gif"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    // Down and up, and an odd size.
    const int sizes[][2] = {{7, 5}, {33, 17}};
    for (const auto& target : sizes) {
        QFile::remove(copy);
        if (Ky::KImagePlugin::KGifScaler::Scale(source, copy, QSize(target[0], target[1])))
            CheckCopy(copy, target[0], target[1]);
        else if (QFile::exists(copy))
            std::abort(); // a failed run must not leave a copy
    }
    return 0;
}
