// icongen <output dir>: draws the launcher's icons and writes icons.qrc beside them.

#include "icons.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

bool WriteFile(const QString& path, const QByteArray& data)
{
    // Unchanged files keep their time stamp, so rcc and everything after it stay built.
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == data)
        return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray Png(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen <output dir>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("images"))) {
        std::fprintf(stderr, "icongen: cannot create %s/images\n", argv[1]);
        return 1;
    }

    QStringList files;
    bool ok = true;
    for (const IconGen::Icon& icon : IconGen::Icons()) {
        const QByteArray png = Png(IconGen::Render(icon));
        if (png.isEmpty()) {
            std::fprintf(stderr, "icongen: PNG encoding failed for %s\n", qPrintable(icon.name));
            return 1;
        }
        const QString name = QStringLiteral("images/") + icon.name + QStringLiteral(".png");
        ok = WriteFile(out.filePath(name), png) && ok;
        files << name;
        if (icon.name == QLatin1String("logo")) {
            const QByteArray ico = IconGen::IcoFromPng(png, IconGen::kSize);
            ok = WriteFile(out.filePath(QStringLiteral("images/logo.ico")), ico) && ok;
            ok = WriteFile(out.filePath(QStringLiteral("logo.ico")), ico) && ok;
            files << QStringLiteral("images/logo.ico") << QStringLiteral("logo.ico");
        }
    }

    QByteArray qrc;
    QTextStream stream(&qrc);
    stream << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const QString& file : files)
        stream << "    <file>" << file << "</file>\n";
    stream << "</qresource>\n</RCC>\n";
    stream.flush();
    ok = WriteFile(out.filePath(QStringLiteral("icons.qrc")), qrc) && ok;
    return ok ? 0 : 1;
}
