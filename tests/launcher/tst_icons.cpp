// The icon resources the executable carries: every path the windows load exists, decodes
// and has the size the tool bars expect; the ICO files are well-formed.

#include "ktestmain.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

class TestIcons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pngIcons_data();
    void pngIcons();
    void icoFiles_data();
    void icoFiles();
};

void TestIcons::pngIcons_data()
{
    QTest::addColumn<QString>("path");
    const char* names[] = {
        "time", "stretched_up_down", "device_mark", "screen_new", "play", "screen_setting",
        "bright_setting", "updateDevName", "SourceFile", "logo", "copy", "close", "export",
        "open", "about", "down", "background", "boot_logo", "up", "importpng", "system_setting",
        "update", "save", "stretch_around", "senddfg", "paste", "stop", "saveas", "fixedip",
        "DevNotMatch", "send", "hdd_usb", "pause", "test", "delete", "hardware_setting",
        "full_screen", "exit"};
    for (const char* name : names) {
        const QString path = QStringLiteral(":/images/") + QLatin1String(name) + QStringLiteral(".png");
        QTest::newRow(name) << path;
    }
}

void TestIcons::pngIcons()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), qPrintable(path));
    const QImage image(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(48, 48));
    QVERIFY(image.hasAlphaChannel());
    // Something is drawn, and not over the whole square.
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 128;
    QVERIFY2(opaque > 48 * 48 / 10, qPrintable(QString::number(opaque)));
    QVERIFY2(opaque < 48 * 48, qPrintable(QString::number(opaque)));
}

void TestIcons::icoFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("root") << QStringLiteral(":/logo.ico");
    QTest::newRow("images") << QStringLiteral(":/images/logo.ico");
}

void TestIcons::icoFiles()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray ico = file.readAll();
    QVERIFY(ico.size() > 22);
    const char* d = ico.constData();
    QCOMPARE(qFromLittleEndian<quint16>(d), quint16(0));
    QCOMPARE(qFromLittleEndian<quint16>(d + 2), quint16(1)); // icon
    QCOMPARE(qFromLittleEndian<quint16>(d + 4), quint16(1)); // one image
    QCOMPARE(quint8(d[6]), quint8(48));
    QCOMPARE(quint8(d[7]), quint8(48));
    const quint32 size = qFromLittleEndian<quint32>(d + 14);
    const quint32 offset = qFromLittleEndian<quint32>(d + 18);
    QCOMPARE(offset, quint32(22));
    QCOMPARE(qint64(offset) + size, qint64(ico.size()));
    const QImage image = QImage::fromData(ico.mid(int(offset)), "PNG");
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(image, QImage(QStringLiteral(":/images/logo.png")));
}

KESTROVA_TEST_MAIN(TestIcons)

#include "tst_icons.moc"
