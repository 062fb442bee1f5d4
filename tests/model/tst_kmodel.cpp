#include "fixturekinds.h"
#include "kfileutil.h"
#include "klist.h"
#include "kmodel.h"
#include "kopaquenode.h"
#include "kpluginmanager.h"
#include "kprompt.h"
#include "ktestmain.h"
#include "kxmldataaccess.h"
#include "treedump.h"

#include <QAbstractItemModelTester>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <functional>
#include <memory>

KESTROVA_IMPORT_FIXTURE_KINDS()

using namespace Ky;

namespace {

bool WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Md5Hex(const QByteArray& data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex());
}

QStringList Names(KNode* node)
{
    QStringList names;
    for (KNode* child : node->children())
        names.append(child->name());
    return names;
}

QStringList Entries(const QString& dir)
{
    QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.sort();
    return entries;
}

template <class T>
T* Named(KNode* parent, const QString& name)
{
    auto* node = new T;
    node->set_name(name);
    parent->AddChild(node);
    return node;
}

} // namespace

// Every test runs on a fresh model watched by the toolkit's model tester:
// screen S with programs P0 (areas A0, A1, A2, each with one media item) and P1 (area B0).
class TestKModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void emptyModel();
    void treeStructure();
    void setData_data();
    void setData();
    void insertRowsOfType_data();
    void insertRowsOfType();
    void addNode();
    void paste();
    void removeRows_data();
    void removeRows();
    void moveUpAndDown();
    void flagsFollowTheDrag();
    void drop_data();
    void drop();
    void dropRefused_data();
    void dropRefused();
    void keptNodesAreNotEditedOrDroppedInto();
    void open_data();
    void open();
    void saveAndExport();
    void generatorWithoutMedia();
    void generatorWithMedia();
    void generatorFailures_data();
    void generatorFailures();

private:
    QModelIndex IndexOf(KNode* node) const { return m_model->IndexFromNode(node); }

    QTemporaryDir* m_dir = nullptr;
    KModel* m_model = nullptr;
    QAbstractItemModelTester* m_tester = nullptr;
    KNode* m_screen = nullptr;
    KNode* m_p0 = nullptr;
    KNode* m_p1 = nullptr;
};

void TestKModel::initTestCase()
{
    Fixture::UseFixtureKindsOnly();
    QVERIFY(KPluginManager::instance()->HavePlugin(Fixture::AreaType));
}

void TestKModel::init()
{
    Prompt::Reset();
    m_dir = new QTemporaryDir;
    m_model = new KModel;
    m_model->SetDataAccess(new KXmlDataAccess);
    m_tester = new QAbstractItemModelTester(
        m_model, QAbstractItemModelTester::FailureReportingMode::QtTest, m_model);

    auto* screen = new Fixture::ScreenNode;
    screen->set_name(QStringLiteral("S"));
    m_p0 = Named<Fixture::ProgramNode>(screen, QStringLiteral("P0"));
    m_p1 = Named<Fixture::ProgramNode>(screen, QStringLiteral("P1"));
    for (const char* name : {"A0", "A1", "A2"}) {
        KNode* area = Named<Fixture::AreaNode>(m_p0, QString::fromLatin1(name));
        Named<Fixture::MediaNode>(area, QStringLiteral("M") + QString::fromLatin1(name));
    }
    Named<Fixture::AreaNode>(m_p1, QStringLiteral("B0"));
    m_model->AddNode(0, QModelIndex(), screen);
    m_screen = screen;
}

void TestKModel::cleanup()
{
    delete m_model;
    m_model = nullptr;
    delete m_dir;
    m_dir = nullptr;
    Fixture::MediaNode::copies = 0;
}

void TestKModel::emptyModel()
{
    KModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.NodeFromIndex(QModelIndex()), model.root());
    QCOMPARE(model.NodeFromIndex(model.IndexFromNode(model.root())), model.root());
    QCOMPARE(model.NodeFromIndex(model.IndexFromNode(nullptr)), model.root());
    QVERIFY(!model.index(0, 0).isValid());
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QVERIFY(!model.headerData(0, Qt::Horizontal).isValid());
    QVERIFY(!model.setHeaderData(0, Qt::Horizontal, QStringLiteral("x")));
    QCOMPARE(model.mimeTypes(), QStringList{QStringLiteral("application/vnd.tarvik.xml.task.z")});
    QCOMPARE(model.supportedDragActions(), Qt::MoveAction);
    // Without a persistence object there is nothing to open.
    QVERIFY(!model.Open(QStringLiteral("/nonexistent.boo")));
    QVERIFY(Prompt::Records().isEmpty());
}

void TestKModel::treeStructure()
{
    const QModelIndex screen = m_model->index(0, 0);
    QCOMPARE(m_model->NodeFromIndex(screen), m_screen);
    QVERIFY(!m_model->parent(screen).isValid());
    const QModelIndex p1 = m_model->index(1, 0, screen);
    QCOMPARE(m_model->parent(p1), screen);
    const QModelIndex a2 = m_model->index(2, 0, m_model->index(0, 0, screen));
    QCOMPARE(a2, IndexOf(m_p0->children().at(2)));
    QCOMPARE(m_model->parent(a2), IndexOf(m_p0));
    QCOMPARE(m_model->rowCount(m_model->index(0, 0, screen)), 3);
    QVERIFY(!m_model->index(3, 0, IndexOf(m_p0)).isValid());
    QVERIFY(!m_model->index(0, 1, IndexOf(m_p0)).isValid());

    QCOMPARE(m_model->data(a2).toString(), QStringLiteral("A2"));
    QCOMPARE(m_model->data(a2, Qt::EditRole).toString(), QStringLiteral("A2"));
    QCOMPARE(m_model->data(a2, Qt::DecorationRole).typeId(), QMetaType::QIcon);
    QVERIFY(!m_model->data(a2, Qt::ToolTipRole).isValid());
    QVERIFY(!m_model->data(QModelIndex()).isValid());
}

void TestKModel::setData_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("edit") << int(Qt::EditRole) << "Renamed" << "Renamed";
    QTest::newRow("edit with empty text") << int(Qt::EditRole) << "" << "A1";
    QTest::newRow("display role") << int(Qt::DisplayRole) << "Renamed" << "A1";
}

void TestKModel::setData()
{
    QFETCH(int, role);
    QFETCH(QString, text);
    QFETCH(QString, name);
    const QModelIndex a1 = IndexOf(m_p0->children().at(1));
    QSignalSpy changed(m_model, &QAbstractItemModel::dataChanged);
    QCOMPARE(m_model->setData(a1, text, role), name != QStringLiteral("A1"));
    QCOMPARE(m_p0->children().at(1)->name(), name);
    QCOMPARE(changed.count(), name != QStringLiteral("A1") ? 1 : 0);
}

void TestKModel::insertRowsOfType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("at"); // where the new areas are
    QTest::newRow("two at row 1") << Fixture::AreaType << 1 << 2 << true << 1;
    QTest::newRow("row past the end appends") << Fixture::AreaType << 9 << 1 << true << 3;
    QTest::newRow("empty insert type") << QString() << 0 << 1 << false << -1;
    QTest::newRow("type without plug-in") << QStringLiteral("Gone") << 0 << 1 << false << -1;
    QTest::newRow("no rows") << Fixture::AreaType << 0 << 0 << false << -1;
}

void TestKModel::insertRowsOfType()
{
    QFETCH(QString, type);
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, ok);
    QFETCH(int, at);
    m_model->InitInsert(type);
    const QList<KNode*> before = m_p0->children();
    QCOMPARE(m_model->insertRows(row, count, IndexOf(m_p0)), ok);
    QCOMPARE(m_p0->children().size(), before.size() + (ok ? count : 0));
    for (int i = 0; ok && i < count; ++i) {
        KNode* added = m_p0->children().at(at + i);
        QVERIFY(!before.contains(added));
        QCOMPARE(added->Type(), type);
        QCOMPARE(added->parent(), m_p0);
    }
}

void TestKModel::addNode()
{
    auto* media = new Fixture::MediaNode;
    KNode* a0 = m_p0->children().at(0);
    m_model->AddNode(0, IndexOf(a0), media);
    QCOMPARE(a0->children().first(), media);
    auto* last = new Fixture::MediaNode;
    m_model->AddNode(-1, IndexOf(a0), last);
    QCOMPARE(a0->children().last(), last);

    // A screen resets the model afterwards.
    QSignalSpy reset(m_model, &QAbstractItemModel::modelReset);
    auto* screen = new Fixture::ScreenNode;
    m_model->AddNode(1, m_model->IndexFromNode(m_model->root()), screen);
    QCOMPARE(m_model->rowCount(), 2);
    QCOMPARE(m_model->NodeFromIndex(m_model->index(1, 0)), screen);
    QCOMPARE(reset.count(), 1);
}

void TestKModel::paste()
{
    auto* area = new Fixture::AreaNode;
    area->set_name(QStringLiteral("Pasted"));
    Named<Fixture::MediaNode>(area, QStringLiteral("PM"));
    QSignalSpy inserted(m_model, &QAbstractItemModel::rowsInserted);
    m_model->insertRows(1, area, m_p0);
    QCOMPARE(Names(m_p0), (QStringList{"A0", "Pasted", "A1", "A2"}));
    QCOMPARE(area->parent(), m_p0);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(0).value<QModelIndex>(), IndexOf(m_p0));
    // The kinds duplicated their media before the node went in.
    QVERIFY(Fixture::MediaNode::copies > 0);
}

void TestKModel::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("left"); // empty: refused
    QTest::newRow("first") << 0 << 1 << QStringList{"A1", "A2"};
    QTest::newRow("last two") << 1 << 2 << QStringList{"A0"};
    QTest::newRow("past the end") << 2 << 2 << QStringList();
    QTest::newRow("negative row") << -1 << 1 << QStringList();
    QTest::newRow("no rows") << 0 << 0 << QStringList();
}

void TestKModel::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(QStringList, left);
    QCOMPARE(m_model->removeRows(row, count, IndexOf(m_p0)), !left.isEmpty());
    QCOMPARE(Names(m_p0), left.isEmpty() ? (QStringList{"A0", "A1", "A2"}) : left);
}

void TestKModel::moveUpAndDown()
{
    QPersistentModelIndex a2(IndexOf(m_p0->children().at(2)));
    m_model->MoveUp(IndexOf(m_p0->children().at(1)));
    QCOMPARE(Names(m_p0), (QStringList{"A1", "A0", "A2"}));
    QCOMPARE(m_model->data(a2).toString(), QStringLiteral("A2"));
    m_model->MoveUp(IndexOf(m_p0->children().at(0))); // no neighbour: nothing happens
    QCOMPARE(Names(m_p0), (QStringList{"A1", "A0", "A2"}));

    m_model->MoveDown(IndexOf(m_p0->children().at(0)));
    QCOMPARE(Names(m_p0), (QStringList{"A0", "A1", "A2"}));
    m_model->MoveDown(IndexOf(m_p0->children().at(2)));
    QCOMPARE(Names(m_p0), (QStringList{"A0", "A1", "A2"}));
}

void TestKModel::flagsFollowTheDrag()
{
    const auto dropTargets = [this] {
        QStringList names;
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int row = 0; row < m_model->rowCount(parent); ++row) {
                const QModelIndex index = m_model->index(row, 0, parent);
                const Qt::ItemFlags flags = m_model->flags(index);
                if (!(flags & Qt::ItemIsDragEnabled) || !(flags & Qt::ItemIsEditable))
                    names.append(QStringLiteral("missing flags on ") + index.data().toString());
                if (flags & Qt::ItemIsDropEnabled)
                    names.append(index.data().toString());
                walk(index);
            }
        };
        walk(QModelIndex());
        return names;
    };
    QCOMPARE(dropTargets(), QStringList());

    const QModelIndex a0 = IndexOf(m_p0->children().at(0));
    const QModelIndex a1 = IndexOf(m_p0->children().at(1));
    QVERIFY(!m_model->mimeData({a0, a1})); // two items: no drag
    QCOMPARE(dropTargets(), QStringList());

    std::unique_ptr<QMimeData> data(m_model->mimeData({a0}));
    QVERIFY(data);
    QVERIFY(data->hasFormat(KModel::MimeType));
    QCOMPARE(dropTargets(), (QStringList{"P0", "P1"}));
    data.reset(m_model->mimeData({IndexOf(m_p1)}));
    QCOMPARE(dropTargets(), QStringList{"S"});
}

void TestKModel::drop_data()
{
    QTest::addColumn<bool>("fromP1");  // drag B0 of P1, else A2 of P0
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("afterDrop"); // P0's areas
    QTest::addColumn<QStringList>("afterRemoval");
    QTest::newRow("other program, row 1")
        << true << 1 << QStringList{"A0", "B0", "A2", "A1"} << QStringList{"A0", "B0", "A2", "A1"};
    QTest::newRow("other program, at the end")
        << true << 3 << QStringList{"A0", "A1", "A2", "B0"} << QStringList{"A0", "A1", "A2", "B0"};
    QTest::newRow("other program, on the item (row -1)")
        << true << -1 << QStringList{"B0", "A1", "A2", "A0"} << QStringList{"B0", "A1", "A2", "A0"};
    QTest::newRow("same program, row 1")
        << false << 1 << QStringList{"A0", "A2", "A2", "A1"} << QStringList{"A0", "A2", "A1"};
}

void TestKModel::drop()
{
    QFETCH(bool, fromP1);
    QFETCH(int, row);
    QFETCH(QStringList, afterDrop);
    QFETCH(QStringList, afterRemoval);
    KNode* source = fromP1 ? m_p1->children().at(0) : m_p0->children().at(2);
    const QModelIndex sourceIndex = IndexOf(source);
    KNode* a1 = m_p0->children().at(1);
    QPersistentModelIndex a1Index(IndexOf(a1));

    std::unique_ptr<QMimeData> data(m_model->mimeData({sourceIndex}));
    QVERIFY(data);
    QSignalSpy refresh(m_model, &KModel::refreshLevel);
    QVERIFY(m_model->dropMimeData(data.get(), Qt::MoveAction, row, 0, IndexOf(m_p0)));
    QCOMPARE(Names(m_p0), afterDrop);
    // The views were told: their indexes still name the same nodes.
    QCOMPARE(m_model->NodeFromIndex(a1Index), a1);
    QCOMPARE(a1Index.row(), int(m_p0->children().indexOf(a1)));

    // The copy is a new node with its subtree.
    const qsizetype copyRow = row < 0 ? 0 : std::min<qsizetype>(row, 3);
    KNode* copy = m_p0->children().at(copyRow);
    QVERIFY(copy != source);
    QCOMPARE(Fixture::Dump(copy), Fixture::Dump(source));
    QCOMPARE(copy->parent(), m_p0);

    // The view then removes the dragged node from its old place.
    QVERIFY(m_model->removeRows(sourceIndex.row(), 1, sourceIndex.parent()));
    QCOMPARE(Names(m_p0), afterRemoval);
    QTRY_COMPARE(refresh.count(), 1);
}

void TestKModel::dropRefused_data()
{
    QTest::addColumn<bool>("dragFirst");
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("target"); // "P1", "A0", "" (outside the items)
    QTest::addColumn<QString>("mime");   // "" for no data
    QTest::newRow("copy action") << true << int(Qt::CopyAction) << 0 << "P1" << KModel::MimeType;
    QTest::newRow("column 1") << true << int(Qt::MoveAction) << 1 << "P1" << KModel::MimeType;
    QTest::newRow("no data") << true << int(Qt::MoveAction) << 0 << "P1" << "";
    QTest::newRow("outside the items") << true << int(Qt::MoveAction) << 0 << "" << KModel::MimeType;
    QTest::newRow("other mime type") << true << int(Qt::MoveAction) << 0 << "P1" << "text/plain";
    QTest::newRow("no drag from this model")
        << false << int(Qt::MoveAction) << 0 << "P1" << KModel::MimeType;
    // Refused rather than accepted as a move, or the view would delete the dragged area.
    QTest::newRow("onto its own level") << true << int(Qt::MoveAction) << 0 << "A0" << KModel::MimeType;
}

void TestKModel::dropRefused()
{
    QFETCH(bool, dragFirst);
    QFETCH(int, action);
    QFETCH(int, column);
    QFETCH(QString, target);
    QFETCH(QString, mime);
    const QModelIndex b0 = IndexOf(m_p1->children().at(0));
    std::unique_ptr<QMimeData> dragged(m_model->mimeData({b0}));
    QVERIFY(dragged);
    if (!dragFirst) {
        // A fresh model has recorded no drag.
        delete m_model;
        m_model = new KModel;
        m_model->SetDataAccess(new KXmlDataAccess);
        auto* screen = new Fixture::ScreenNode;
        m_p1 = Named<Fixture::ProgramNode>(screen, QStringLiteral("P1"));
        m_p0 = Named<Fixture::ProgramNode>(screen, QStringLiteral("P0"));
        Named<Fixture::AreaNode>(m_p0, QStringLiteral("A0"));
        m_model->AddNode(0, QModelIndex(), screen);
        m_screen = screen;
    }
    std::unique_ptr<QMimeData> data;
    if (!mime.isEmpty()) {
        data = std::make_unique<QMimeData>();
        data->setData(mime, dragged->data(KModel::MimeType));
    }
    QModelIndex parent;
    if (target == QStringLiteral("P1"))
        parent = IndexOf(m_p1);
    else if (target == QStringLiteral("A0"))
        parent = IndexOf(m_p0->children().at(0));
    const QString before = Fixture::Dump(m_screen);
    QVERIFY(!m_model->dropMimeData(data.get(), Qt::DropAction(action), 0, column, parent));
    QCOMPARE(Fixture::Dump(m_screen), before);
}

void TestKModel::keptNodesAreNotEditedOrDroppedInto()
{
    // A content of a kind that is not installed, under A0.
    const QByteArray doc = "<Node Level=\"4\" Type=\"KY_Video_Plugin\"><Attribute Name=\"__NAME__\">clip</Attribute></Node>";
    const QByteArray program = "<Node Level=\"3\" Type=\"" + Fixture::AreaType.toUtf8() + "\">" + doc + "</Node>";
    KXmlDataAccess io;
    KNode* area = io.ReadNode(program, nullptr);
    QVERIFY(area);
    m_model->AddNode(0, IndexOf(m_p1), area);
    const QModelIndex kept = IndexOf(area->children().at(0));
    QCOMPARE(kept.data().toString(), QStringLiteral("clip"));
    QVERIFY(!(m_model->flags(kept) & Qt::ItemIsEditable));
    QVERIFY(m_model->flags(kept) & Qt::ItemIsDragEnabled);

    std::unique_ptr<QMimeData> data(m_model->mimeData({IndexOf(m_p1)}));
    QVERIFY(!(m_model->flags(kept) & Qt::ItemIsDropEnabled));
    data.reset(m_model->mimeData({IndexOf(m_p0->children().at(0)->children().at(0))}));
    QVERIFY(!m_model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, kept));
    QVERIFY(area->children().at(0)->children().isEmpty());
    QCoreApplication::processEvents();
}

void TestKModel::open_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<bool>("opens");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("not a project") << QByteArray("<Other/>") << false;
    QTest::newRow("project") << QByteArray("<Node Type=\"TestScreen\"><Attribute Name=\"__NAME__\">Opened</Attribute>"
                                           "<Node Type=\"TestProgram\"/></Node>")
                             << true;
}

void TestKModel::open()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, opens);
    const QString path = m_dir->filePath(QStringLiteral("open.boo"));
    if (!content.isEmpty())
        QVERIFY(WriteAll(path, content));
    QSignalSpy reset(m_model, &QAbstractItemModel::modelReset);
    KNode* node = m_model->Open(path);
    QCOMPARE(node != nullptr, opens);
    QCOMPARE(m_model->rowCount(), opens ? 2 : 1);
    QCOMPARE(reset.count(), opens ? 1 : 0);
    const QList<Prompt::Record> records = Prompt::Records();
    if (opens) {
        QCOMPARE(m_model->NodeFromIndex(m_model->index(1, 0)), node);
        QCOMPARE(qobject_cast<KControllerNode*>(node)->filePath(), path);
        QVERIFY(!node->DataHasChang());
        QVERIFY(records.isEmpty());
    } else if (content.isEmpty()) {
        QVERIFY(records.isEmpty());
    } else {
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().title, QStringLiteral("Warning"));
        QCOMPARE(records.first().text, QStringLiteral("Open %1 error!").arg(path));
        QCOMPARE(records.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void TestKModel::saveAndExport()
{
    const QString media = m_dir->filePath(QStringLiteral("photo.png"));
    QVERIFY(WriteAll(media, "picture bytes"));
    KNode* m0 = m_p0->children().at(0)->children().at(0);
    m0->SetFilePath(Fixture::MediaKey, media, QString());
    const QString project = m_dir->filePath(QStringLiteral("proj.boo"));
    QVERIFY(m_model->Save(m_screen, project));
    qobject_cast<KControllerNode*>(m_screen)->SetFilePath(project);

    const QString out = m_dir->filePath(QStringLiteral("export"));
    QVERIFY(QDir().mkpath(out));
    QVERIFY(m_model->Export(m0, out)); // any node of the screen exports the screen
    QCOMPARE(Entries(out), (QStringList{"photo.png", "proj.boo"}));
    QCOMPARE(ReadAll(out + QStringLiteral("/photo.png")), QByteArray("picture bytes"));
    std::unique_ptr<KNode> exported(KXmlDataAccess().Read(out + QStringLiteral("/proj.boo"), nullptr));
    QVERIFY(exported);
    KNode* exportedMedia = exported->children().at(0)->children().at(0)->children().at(0);
    QCOMPARE(exportedMedia->GetFirstFile(Fixture::MediaKey), QStringLiteral("photo.png"));
    // The open project is untouched.
    QCOMPARE(m0->GetFirstFile(Fixture::MediaKey), media);
}

void TestKModel::generatorWithoutMedia()
{
    // Strip the media items: a screen with programs and areas only.
    for (KNode* area : m_p0->children()) {
        qDeleteAll(area->children());
        area->children().clear();
    }
    const QString dir = m_dir->filePath(QStringLiteral("send"));
    QVERIFY(QDir().mkpath(dir + QStringLiteral("/old/deeper")));
    QVERIFY(WriteAll(dir + QStringLiteral("/old/deeper/stale.png"), "x"));
    QVERIFY(WriteAll(dir + QStringLiteral("/.hidden"), "x"));

    QList<KSendFileInfo> files;
    QString error;
    QVERIFY2(m_model->Generator(m_screen, dir, files, &error), qPrintable(error));
    const QByteArray config = ReadAll(dir + QStringLiteral("/config.boo"));
    QVERIFY(!config.isEmpty());
    const QString digest = Md5Hex(config);
    QStringList expected{QStringLiteral("config.boo"), digest + QStringLiteral(".boo")};
    expected.sort();
    QCOMPARE(Entries(dir), expected);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.first().md5, digest);
    QCOMPARE(files.first().path, dir + u'/' + digest + QStringLiteral(".boo"));
    QCOMPARE(ReadAll(files.first().path), config);
    // The generated description is a project of the same screen.
    std::unique_ptr<KNode> read(KXmlDataAccess().Read(dir + QStringLiteral("/config.boo"), nullptr));
    QVERIFY(read);
    QCOMPARE(read->children().size(), 2);
}

void TestKModel::generatorWithMedia()
{
    const QString one = m_dir->filePath(QStringLiteral("one.png"));
    const QString same = m_dir->filePath(QStringLiteral("same.png"));
    const QString two = m_dir->filePath(QStringLiteral("two.jpg"));
    QVERIFY(WriteAll(one, "first picture"));
    QVERIFY(WriteAll(same, "first picture"));
    QVERIFY(WriteAll(two, "second picture"));
    KNode* m0 = m_p0->children().at(0)->children().at(0);
    KNode* m1 = m_p0->children().at(1)->children().at(0);
    m0->SetFilePath(Fixture::MediaKey, {one, two}, {});
    m1->SetFilePath(Fixture::MediaKey, same, QString());
    const QString before = Fixture::Dump(m_screen);

    const QString dir = m_dir->filePath(QStringLiteral("send"));
    QList<KSendFileInfo> files;
    QVERIFY(m_model->Generator(m_screen, dir + u'/', files));
    const QString d1 = Md5Hex("first picture");
    const QString d2 = Md5Hex("second picture");
    const QString dc = Md5Hex(ReadAll(dir + QStringLiteral("/config.boo")));
    QCOMPARE(files.size(), 4);
    QCOMPARE(files.at(0).path, dir + u'/' + d1 + QStringLiteral(".png"));
    QCOMPARE(files.at(1).path, dir + u'/' + d2 + QStringLiteral(".jpg"));
    QCOMPARE(files.at(2).path, files.at(0).path); // same content, one file
    QCOMPARE(files.at(3).md5, dc);
    QStringList expected{d1 + QStringLiteral(".png"), d2 + QStringLiteral(".jpg"),
                         dc + QStringLiteral(".boo"), QStringLiteral("config.boo")};
    expected.sort();
    QCOMPARE(Entries(dir), expected);

    // "config.boo" names the digest copies; the open project still names the originals.
    std::unique_ptr<KNode> config(KXmlDataAccess().Read(dir + QStringLiteral("/config.boo"), nullptr));
    QVERIFY(config);
    KNode* sent = config->children().at(0)->children().at(0)->children().at(0);
    QCOMPARE(sent->GetFilePath(Fixture::MediaKey), (QStringList{files.at(0).path, files.at(1).path}));
    QCOMPARE(Fixture::Dump(m_screen), before);
}

void TestKModel::generatorFailures_data()
{
    QTest::addColumn<QString>("dir"); // relative to the test directory; "" for none
    QTest::addColumn<bool>("screen");
    QTest::newRow("no directory") << QString() << true;
    QTest::newRow("directory under a file") << QStringLiteral("file/send") << true;
    QTest::newRow("no node") << QStringLiteral("send") << false;
}

void TestKModel::generatorFailures()
{
    QFETCH(QString, dir);
    QFETCH(bool, screen);
    QVERIFY(WriteAll(m_dir->filePath(QStringLiteral("file")), "x"));
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    QList<KSendFileInfo> files{{QStringLiteral("earlier"), QStringLiteral("entry")}};
    QString error;
    const bool made = m_model->Generator(screen ? m_screen : nullptr,
                                         dir.isEmpty() ? dir : m_dir->filePath(dir), files, &error);
    QDir::setCurrent(cwd);
    QVERIFY(!made);
    QVERIFY(!error.isEmpty());
    QCOMPARE(files.size(), 1);
    // Nothing was deleted on the way.
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("file"))));
}

KESTROVA_TEST_MAIN(TestKModel)
#include "tst_kmodel.moc"
