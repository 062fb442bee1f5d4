#include "keffectnode.h"
#include "kframenode.h"
#include "klist.h"
#include "ktexteffectnode.h"
#include "ktestmain.h"

#include <QSignalSpy>

using namespace Ky;

class TestKContentNode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void contentWithoutArea();
    void contentFlags();
    void effectTables_data();
    void effectTables();
    void effectSetters();
    void textSetterSignals_data();
    void textSetterSignals();
    void textLookChangesMarkRedraw();
    void textImagePathsAccumulate();
};

void TestKContentNode::contentWithoutArea()
{
    KContentNode content;
    QCOMPARE(content.Level(), LEVEL_CONTENT);
    QCOMPARE(content.Size(), QSize(0, 0));
    QCOMPARE(content.Pos(), QPoint(0, 0));
    QCOMPARE(content.FrameHeight(), 0);
}

void TestKContentNode::contentFlags()
{
    KFrameNode area;
    area.SetRect(QRect(5, 6, 30, 20));
    auto* content = new KContentNode;
    area.AddChild(content);
    QCOMPARE(content->Pos(), QPoint(5, 6));
    QCOMPARE(content->Size(), QSize(30, 20));

    QSignalSpy alpha(content, &KContentNode::AlphaChanged);
    content->SetAlpha(128);
    QCOMPARE(alpha.count(), 1);
    QCOMPARE(content->Alpha(), 128);
    QVERIFY(!content->VFileReady());
    content->SetVFileReady(true);
    QCOMPARE(content->GetAttribute(QStringLiteral("VFileReady")), QStringLiteral("1"));
    content->SetFilesLargerThan4G(2);
    QCOMPARE(content->FilesLargerThan4G(), 2);
}

void TestKContentNode::effectTables_data()
{
    QTest::addColumn<bool>("entry");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("firstIds");
    QTest::addColumn<QString>("lastName");
    QTest::newRow("entry") << true << 21 << QList<int>{25, 0, 1} << "Vertical Blinds";
    QTest::newRow("exit") << false << 22 << QList<int>{25, 0, 20} << "Vertical Blinds";
}

void TestKContentNode::effectTables()
{
    QFETCH(bool, entry);
    QFETCH(int, count);
    QFETCH(QList<int>, firstIds);
    QFETCH(QString, lastName);
    QList<DynamicImageItem> items;
    items.append({99, QStringLiteral("kept")}); // the tables append
    if (entry)
        KEffectNode::GetDispEffectName(items);
    else
        KEffectNode::GetClearEffectName(items);
    QCOMPARE(items.size(), count + 1);
    items.removeFirst();
    for (int i = 0; i < firstIds.size(); ++i)
        QCOMPARE(items.at(i).id, firstIds.at(i));
    QCOMPARE(items.last().id, 19);
    QCOMPARE(items.last().name, lastName);
    // Ids 1 to 19 appear once each, in order, in both tables.
    QList<int> motion;
    for (const auto& item : items) {
        if (item.id >= 1 && item.id <= 19)
            motion.append(item.id);
    }
    QCOMPARE(motion.size(), 19);
    QVERIFY(std::is_sorted(motion.begin(), motion.end()));
    QCOMPARE(items.at(1).name,
             entry ? QStringLiteral("Immediate Show") : QStringLiteral("Immediate Clear"));
    const auto bottomLeft = std::find_if(items.begin(), items.end(),
                                         [](const DynamicImageItem& i) { return i.id == 10; });
    QCOMPARE(bottomLeft->name, QStringLiteral("Bottom Left Covert"));
}

void TestKContentNode::effectSetters()
{
    KEffectNode node;
    QSignalSpy disp(&node, &KEffectNode::DispEffectChanged);
    QSignalSpy dispTime(&node, &KEffectNode::DispTimeChanged);
    QSignalSpy clear(&node, &KEffectNode::ClearEffectChanged);
    QSignalSpy clearTime(&node, &KEffectNode::ClearTimeChanged);
    QSignalSpy hold(&node, &KEffectNode::HoldTimeChanged);
    node.SetDispEffect(17);
    node.SetDispTime(4);
    node.SetClearEffect(20);
    node.SetClearTime(3);
    node.SetHoldTime(5000);
    node.SetHoldTime(5000);
    QCOMPARE(node.GetDispEffect(), 17);
    QCOMPARE(node.GetDispTime(), 4);
    QCOMPARE(node.GetClearEffect(), 20);
    QCOMPARE(node.GetClearTime(), 3);
    QCOMPARE(node.GetHoldTime(), 5000);
    QCOMPARE(disp.count() + dispTime.count() + clear.count() + clearTime.count(), 4);
    QCOMPARE(hold.count(), 2); // announced even when unchanged
    QCOMPARE(node.GetAttribute(QStringLiteral("HoldTime")), QStringLiteral("5000"));
}

void TestKContentNode::textSetterSignals_data()
{
    // How often each setter raises HtmlChanged, PageCountChanged, PageChanged, ReStartPlay,
    // ReDrawImage and HollowAndStrokeChanged, in that order.
    QTest::addColumn<QString>("setter");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("emitted");
    QTest::newRow("html") << "html" << "Html" << QList<int>{1, 0, 0, 0, 0, 0};
    QTest::newRow("pages") << "pages" << "PageCount" << QList<int>{0, 1, 0, 0, 0, 0};
    QTest::newRow("single") << "single" << "SingleMode" << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("head to tail") << "head" << "HeadCloseToTail" << QList<int>{0, 0, 0, 1, 1, 0};
    QTest::newRow("speed") << "speed" << "Speed" << QList<int>{0, 0, 0, 1, 0, 0};
    QTest::newRow("by count") << "count" << "ByCount" << QList<int>{0, 0, 0, 1, 0, 0};
    QTest::newRow("stroke") << "stroke" << "StrokeColor" << QList<int>{0, 0, 0, 0, 0, 1};
    QTest::newRow("align") << "align" << "ContentAlign" << QList<int>{0, 0, 1, 0, 0, 0};
}

void TestKContentNode::textSetterSignals()
{
    QFETCH(QString, setter);
    QFETCH(QString, key);
    QFETCH(QList<int>, emitted);
    KTextEffectNode text;
    QSignalSpy html(&text, &KTextEffectNode::HtmlChanged);
    QSignalSpy count(&text, &KTextEffectNode::PageCountChanged);
    QSignalSpy page(&text, &KTextEffectNode::PageChanged);
    QSignalSpy restart(&text, &KTextEffectNode::ReStartPlay);
    QSignalSpy redraw(&text, &KTextEffectNode::ReDrawImage);
    QSignalSpy hollow(&text, &KTextEffectNode::HollowAndStrokeChanged);
    // Twice with the same value: every setter announces itself each time.
    for (int round = 0; round < 2; ++round) {
        if (setter == QLatin1String("html"))
            text.SetHtmlText(QStringLiteral("<p>Hi</p>"));
        else if (setter == QLatin1String("pages"))
            text.SetPageCount(1);
        else if (setter == QLatin1String("single"))
            text.SetSingleMode(true);
        else if (setter == QLatin1String("head"))
            text.SetHeadCloseToTail(1);
        else if (setter == QLatin1String("speed"))
            text.SetSpeed(1);
        else if (setter == QLatin1String("count"))
            text.SetByCount(1);
        else if (setter == QLatin1String("stroke"))
            text.SetStrokeColor(1);
        else
            text.SetContentAlign(1);
    }
    const QList<int> actual{int(html.count()),    int(count.count()),  int(page.count()),
                            int(restart.count()), int(redraw.count()), int(hollow.count())};
    QList<int> expected;
    for (int e : emitted)
        expected.append(2 * e);
    QCOMPARE(actual, expected);
    QVERIFY(text.HaveAttribute(key));
}

void TestKContentNode::textLookChangesMarkRedraw()
{
    KTextEffectNode text;
    text.SetReDrawImage(false);
    QVERIFY(!text.GetReDrawImage());
    text.SetEditBgColor(0xff);
    QVERIFY(text.GetReDrawImage());
    text.SetReDrawImage(false);
    text.SetTransBgColor(true);
    QVERIFY(text.GetReDrawImage());
    QVERIFY(text.GetTransBgColor());
    text.SetReDrawImage(false);
    text.ON_SizeChange(QSize(10, 10));
    QVERIFY(text.GetReDrawImage());
    // The argument-less forms only announce.
    QSignalSpy redraw(&text, &KTextEffectNode::ReDrawImage);
    text.SetReDrawImage(false);
    text.SetReDrawImage();
    QCOMPARE(redraw.count(), 1);
    QVERIFY(!text.GetReDrawImage());
}

void TestKContentNode::textImagePathsAccumulate()
{
    KTextEffectNode text;
    text.SetHtmlImagePath(QStringLiteral("img0"), QStringLiteral("/a.png"));
    text.set_changed(false);
    text.SetHtmlImagePath(QStringLiteral("img0"), QStringLiteral("/b.png"));
    QVERIFY(text.changed());
    const KList* list = text.GetList(QStringLiteral("__HtmlImagePathList__"));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->items().at(1)->value(QStringLiteral("FileName")), QStringLiteral("/b.png"));
    QCOMPARE(list->items().at(1)->value(QStringLiteral("FileKey")), QStringLiteral("img0"));
}

KESTROVA_TEST_MAIN(TestKContentNode)
#include "tst_kcontentnode.moc"
