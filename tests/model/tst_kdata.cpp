#include "kdata.h"
#include "klist.h"
#include "ktestmain.h"

#include <QSignalSpy>

using Ky::KData;
using Ky::KList;

class TestKData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setAttributeRefusesEmptyKey();
    void setAttributeEmitsOnChangeOrForce_data();
    void setAttributeEmitsOnChangeOrForce();
    void numbersAreDecimalText_data();
    void numbersAreDecimalText();
    void nameAndGuid();
    void getListCreatesAndOwns();
    void setListRefusesDuplicatesAndEmptyNames();
    void listChangesReachTheStore();
    void listSetIndex_data();
    void listSetIndex();
    void listSetItemAttributeBounds();
    void filePathLists();
    void singleFilePathKeepsChecksum();
};

void TestKData::setAttributeRefusesEmptyKey()
{
    KData data;
    data.set_changed(false);
    QSignalSpy spy(&data, &KData::AttributeChanged);
    QVERIFY(!data.SetAttribute(QString(), QStringLiteral("x")));
    QVERIFY(!data.SetAttribute(QString(), 5));
    QCOMPARE(spy.count(), 0);
    QVERIFY(!data.changed());
    QVERIFY(data.GetAttribute(QString()).isNull());
}

void TestKData::setAttributeEmitsOnChangeOrForce_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("emitted");
    QTest::newRow("same value twice") << "a" << "a" << false << 1;
    QTest::newRow("same value forced") << "a" << "a" << true << 2;
    QTest::newRow("different values") << "a" << "b" << false << 2;
    QTest::newRow("empty on missing is no change") << QString() << "" << false << 0;
}

void TestKData::setAttributeEmitsOnChangeOrForce()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, force);
    QFETCH(int, emitted);
    KData data;
    QSignalSpy spy(&data, &KData::AttributeChanged);
    if (!first.isNull())
        QVERIFY(data.SetAttribute(QStringLiteral("k"), first));
    data.set_changed(false);
    QVERIFY(data.SetAttribute(QStringLiteral("k"), second, force));
    QCOMPARE(spy.count(), emitted);
    QCOMPARE(data.changed(), first != second);
    for (const auto& args : spy)
        QCOMPARE(args.at(0).toString(), QStringLiteral("k"));
}

void TestKData::numbersAreDecimalText_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("negative") << "-7" << -7;
    QTest::newRow("leading zero is decimal") << "010" << 10;
    QTest::newRow("hex is not a number") << "0x10" << 0;
    QTest::newRow("text") << "abc" << 0;
    QTest::newRow("missing") << QString() << 0;
}

void TestKData::numbersAreDecimalText()
{
    QFETCH(QString, stored);
    QFETCH(int, value);
    KData data;
    if (!stored.isNull())
        data.SetAttribute(QStringLiteral("n"), stored);
    QCOMPARE(data.GetAttributeToInt(QStringLiteral("n")), value);
    data.SetAttribute(QStringLiteral("m"), -123);
    QCOMPARE(data.GetAttribute(QStringLiteral("m")), QStringLiteral("-123"));
}

void TestKData::nameAndGuid()
{
    KData data;
    QSignalSpy spy(&data, &KData::AttributeChanged);
    data.set_changed(false);
    data.set_name(QStringLiteral("Screen1"));
    QCOMPARE(data.name(), QStringLiteral("Screen1"));
    QCOMPARE(data.GetAttribute(QStringLiteral("__NAME__")), QStringLiteral("Screen1"));
    QVERIFY(data.changed());
    QCOMPARE(spy.count(), 0); // renaming is silent
    data.set_changed(false);
    data.set_name(QStringLiteral("Screen1"));
    QVERIFY(!data.changed());
    data.SetGuid(QStringLiteral("{abc}"));
    QCOMPARE(data.GetGuid(), QStringLiteral("{abc}"));
    QCOMPARE(spy.count(), 1);
}

void TestKData::getListCreatesAndOwns()
{
    KData data;
    data.set_changed(false);
    QVERIFY(!data.HaveList(QStringLiteral("rows")));
    KList* list = data.GetList(QStringLiteral("rows"));
    QVERIFY(list);
    QCOMPARE(list->name(), QStringLiteral("rows"));
    QCOMPARE(list->index(), -1);
    QVERIFY(list->items().isEmpty());
    QVERIFY(data.changed());
    QVERIFY(data.HaveList(QStringLiteral("rows")));
    QCOMPARE(data.GetList(QStringLiteral("rows")), list);
    QVERIFY(!data.GetList(QString()));
}

void TestKData::setListRefusesDuplicatesAndEmptyNames()
{
    KData data;
    auto* first = new KList(QStringLiteral("a"));
    QVERIFY(data.SetList(QStringLiteral("a"), first));
    KList second(QStringLiteral("a"));
    QVERIFY(!data.SetList(QStringLiteral("a"), &second));
    KList third(QStringLiteral("b"));
    QVERIFY(!data.SetList(QString(), &third));
    QCOMPARE(data.GetList(QStringLiteral("a")), first);
}

void TestKData::listChangesReachTheStore()
{
    KData data;
    KList* list = data.GetList(QStringLiteral("rows"));
    list->AddItem();
    list->AddItem();
    list->set_index(1);
    data.set_changed(false);
    QSignalSpy spy(&data, &KData::ListChanged);
    QVERIFY(list->SetItemAttribute(0, QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(spy.count(), 0); // row 0 is not the current row
    QVERIFY(!data.changed());
    QVERIFY(list->SetItemAttribute(1, QStringLiteral("k"), 3));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("rows"));
    QCOMPARE(spy.at(0).at(1).toInt(), 1);
    QVERIFY(data.changed());
    QCOMPARE(list->items().at(1)->value(QStringLiteral("k")), QStringLiteral("3"));
}

void TestKData::listSetIndex_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 3 << 2 << 2;
    QTest::newRow("past the end") << 3 << 7 << 0;
    QTest::newRow("negative") << 3 << -1 << 0;
    QTest::newRow("empty list") << 0 << 0 << -1;
    QTest::newRow("empty list, any value") << 0 << 5 << -1;
}

void TestKData::listSetIndex()
{
    QFETCH(int, rows);
    QFETCH(int, requested);
    QFETCH(int, expected);
    KList list(QStringLiteral("l"));
    for (int i = 0; i < rows; ++i)
        list.AddItem();
    QSignalSpy spy(&list, &KList::ListChanged);
    list.set_index(requested);
    QCOMPARE(list.index(), expected);
    list.set_index(requested); // unchanged value still announces itself
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(1).toInt(), expected);
}

void TestKData::listSetItemAttributeBounds()
{
    KList list(QStringLiteral("l"));
    QVERIFY(!list.SetItemAttribute(0, QStringLiteral("k"), QStringLiteral("v")));
    list.AddItem();
    QVERIFY(!list.SetItemAttribute(-1, QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!list.SetItemAttribute(1, QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(!list.SetItemAttribute(0, QString(), QStringLiteral("v")));
    QVERIFY(list.SetItemAttribute(0, QStringLiteral("k"), QStringLiteral("v")));
    QCOMPARE(list.index(), -1); // AddItem does not move the index
}

void TestKData::filePathLists()
{
    KData data;
    data.SetFilePath(QStringLiteral("Other"), QStringLiteral("/o.png"), QStringLiteral("m0"));
    data.set_changed(false);
    data.SetFilePath(QStringLiteral("Img"), {QStringLiteral("/a.png"), QStringLiteral("/b.png")},
                     {QStringLiteral("m1")});
    QVERIFY(data.changed());
    QCOMPARE(data.GetFilePath(QStringLiteral("Img")),
             QStringList({QStringLiteral("/a.png"), QStringLiteral("/b.png")}));
    QCOMPARE(data.GetFirstFile(QStringLiteral("Img")), QStringLiteral("/a.png"));
    KList* list = data.GetList(QStringLiteral("__FileList__"));
    QCOMPARE(list->items().size(), 3);
    QCOMPARE(list->items().at(1)->value(QStringLiteral("MD5")), QStringLiteral("m1"));
    QVERIFY(!list->items().at(2)->contains(QStringLiteral("MD5")));

    // Replacing keeps other keys' rows.
    data.SetFilePath(QStringLiteral("Img"), QStringList{QStringLiteral("/c.png")}, QStringList());
    QCOMPARE(data.GetFilePath(QStringLiteral("Img")), QStringList({QStringLiteral("/c.png")}));
    QCOMPARE(data.GetFirstFile(QStringLiteral("Other")), QStringLiteral("/o.png"));
    QVERIFY(data.GetFirstFile(QStringLiteral("None")).isNull());
}

void TestKData::singleFilePathKeepsChecksum()
{
    KData data;
    data.SetFilePath(QStringLiteral("Img"), QStringLiteral("/a.png"), QStringLiteral("sum"));
    data.SetFilePath(QStringLiteral("Img"), QStringLiteral("/b.png"), QString());
    KList* list = data.GetList(QStringLiteral("__FileList__"));
    QCOMPARE(list->items().size(), 1);
    QCOMPARE(list->items().at(0)->value(QStringLiteral("FileName")), QStringLiteral("/b.png"));
    QCOMPARE(list->items().at(0)->value(QStringLiteral("MD5")), QStringLiteral("sum"));
    data.SetFilePath(QStringLiteral("Img"), QStringLiteral("/c.png"), QStringLiteral("new"));
    QCOMPARE(list->items().at(0)->value(QStringLiteral("MD5")), QStringLiteral("new"));
}

KESTROVA_TEST_MAIN(TestKData)
#include "tst_kdata.moc"
