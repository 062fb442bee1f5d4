#include "calculationfilemd5.h"
#include "ipaddresswidget.h"
#include "isvalidip.h"
#include "kticker.h"
#include "ktestmain.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace Ky;

class TestSmallWidgets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void isValidIp_data();
    void isValidIp();
    void md5Single();
    void md5List();
    void ipWidgetRoundTrip_data();
    void ipWidgetRoundTrip();
    void ipWidgetTyping();
    void tickerScrollsOnlyWhenTooWide();
    void tickerShowTimeClears();
};

void TestSmallWidgets::isValidIp_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");
    QTest::newRow("address") << "10.0.0.1" << 0;
    QTest::newRow("part above 255") << "300.1.1.1" << 2;
    QTest::newRow("host name") << "ab.cd" << 1;
    QTest::newRow("leading dot") << ".cd" << 2;
    QTest::newRow("trailing dot") << "ab." << 2;
    QTest::newRow("three numbers") << "1.2.3" << 1;
    QTest::newRow("trailing text ignored") << "1.2.3.4xyz" << 0;
    QTest::newRow("empty") << "" << 2;
    QTest::newRow("no dot") << "localhost" << 2;
}

void TestSmallWidgets::isValidIp()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(IsValidIP(text), result);
}

void TestSmallWidgets::md5Single()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("abc.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("abc");
    file.close();
    CalculationFileMd5 worker;
    QSignalSpy spy(&worker, &CalculationFileMd5::CalculationFileFinished);
    worker.SetCalculationFileName(path);
    worker.start();
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), path);
    QCOMPARE(spy.at(0).at(1).toString(), QStringLiteral("900150983cd24fb0d6963f7d28e17f72"));

    worker.SetCalculationFileName(dir.filePath(QStringLiteral("missing")));
    worker.start();
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 1); // a missing file reports nothing
}

void TestSmallWidgets::md5List()
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    CalculationFileMd5 worker;
    QSignalSpy spy(&worker, &CalculationFileMd5::CalculationFileListFinished);
    worker.SetCalculationFileNames({});
    worker.start();
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 0);
    worker.SetCalculationFileNames({empty, dir.filePath(QStringLiteral("missing"))});
    worker.start();
    QVERIFY(worker.wait(5000));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toStringList(),
             QStringList({QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"), QString()}));
}

void TestSmallWidgets::ipWidgetRoundTrip_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("address") << "192.168.10.254" << "192.168.10.254";
    QTest::newRow("not an address") << "hello" << "0.0.0.0";
    QTest::newRow("ipv6 is not ours") << "::1" << "0.0.0.0";
}

void TestSmallWidgets::ipWidgetRoundTrip()
{
    QFETCH(QString, input);
    QFETCH(QString, output);
    IpAddressWidget widget;
    widget.setText(input);
    QCOMPARE(widget.text(), output);
    QCOMPARE(widget.GetIpAddressString(), output);
    widget.SetSeparator(QStringLiteral("-"));
    QCOMPARE(widget.text(), QString(output).replace(QLatin1Char('.'), QLatin1Char('-')));
}

void TestSmallWidgets::ipWidgetTyping()
{
    IpAddressWidget widget;
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const QList<QSpinBox*> fields = widget.findChildren<QSpinBox*>();
    QCOMPARE(fields.size(), 4);
    fields[0]->setFocus();
    QTest::keyClicks(fields[0], QStringLiteral("19"));
    QCOMPARE(fields[0]->value(), 19);
    QVERIFY(fields[0]->hasFocus()); // 19: a further digit could still fit
    QTest::keyClicks(fields[0], QStringLiteral("2"));
    QCOMPARE(fields[0]->value(), 192);
    QVERIFY(fields[1]->hasFocus());
    QTest::keyClicks(fields[1], QStringLiteral("1."));
    QVERIFY(fields[2]->hasFocus());
    QTest::keyClicks(fields[2], QStringLiteral("5"));
    QCOMPARE(widget.text(), QStringLiteral("192.1.5.0"));

    QSignalSpy finished(&widget, &IpAddressWidget::editingFinished);
    fields[3]->setFocus();
    QTest::keyClick(fields[3], Qt::Key_Return);
    QVERIFY(finished.count() >= 1);
    widget.setReadOnly(true);
    QVERIFY(fields[2]->isReadOnly());
}

void TestSmallWidgets::tickerScrollsOnlyWhenTooWide()
{
    KTicker ticker;
    ticker.resize(2000, 20);
    ticker.setText(QStringLiteral("Sending to Q741-0001 ... done"));
    ticker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ticker));
    QVERIFY(!ticker.isScrolling());
    QVERIFY(ticker.sizeHint().width() > 100); // one line, the whole text
    ticker.resize(20, 20);
    QVERIFY(ticker.isScrolling());
    QTRY_VERIFY(ticker.offset() > 0);
    ticker.resize(2000, 20);
    QVERIFY(!ticker.isScrolling());
    QCOMPARE(ticker.offset(), 0);
    ticker.resize(20, 20);
    ticker.hide();
    QVERIFY(!ticker.isScrolling());
}

void TestSmallWidgets::tickerShowTimeClears()
{
    KTicker ticker;
    ticker.setText(QStringLiteral("Saved"));
    QCOMPARE(ticker.show_time(), -1);
    ticker.set_show_time(20);
    QCOMPARE(ticker.show_time(), 20);
    QTRY_COMPARE(ticker.text(), QStringLiteral("       "));
}

KESTROVA_TEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
