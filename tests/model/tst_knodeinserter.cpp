#include "fixturekinds.h"
#include "kmodel.h"
#include "knodeinserter.h"
#include "ktestmain.h"

#include <QTest>

// Where the insert commands put a new node, from every level of a small tree:
//   S0 (P0 (A0, A1), P1), S1
class TestKNodeInserter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void positionFor_data();
    void positionFor();

private:
    Ky::KNode* Named(const QString& name) const;
    Ky::KModel* m_model = nullptr;
};

void TestKNodeInserter::init()
{
    m_model = new Ky::KModel;
    auto add = [this](Ky::KNode* node, Ky::KNode* parent, const char* name) {
        node->set_name(QString::fromLatin1(name));
        m_model->AddNode(-1, m_model->IndexFromNode(parent), node);
        return node;
    };
    Ky::KNode* s0 = add(new Fixture::ScreenNode, m_model->root(), "S0");
    Ky::KNode* p0 = add(new Fixture::ProgramNode, s0, "P0");
    add(new Fixture::AreaNode, p0, "A0");
    add(new Fixture::AreaNode, p0, "A1");
    add(new Fixture::ProgramNode, s0, "P1");
    add(new Fixture::ScreenNode, m_model->root(), "S1");
}

void TestKNodeInserter::cleanup()
{
    delete m_model;
    m_model = nullptr;
}

Ky::KNode* TestKNodeInserter::Named(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    if (name == QLatin1String("root"))
        return m_model->root();
    QList<Ky::KNode*> todo = m_model->root()->children();
    while (!todo.isEmpty()) {
        Ky::KNode* node = todo.takeFirst();
        if (node->name() == name)
            return node;
        todo += node->children();
    }
    return nullptr;
}

void TestKNodeInserter::positionFor_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("parent"); // "root": the model's top level
    QTest::addColumn<int>("row");
    QTest::newRow("screen, nothing current") << int(Ky::LEVEL_SCREEN) << ""
                                             << "root" << 0;
    QTest::newRow("screen from the root") << int(Ky::LEVEL_SCREEN) << "root"
                                          << "root" << 0;
    QTest::newRow("screen after a screen") << int(Ky::LEVEL_SCREEN) << "S0"
                                           << "root" << 1;
    QTest::newRow("screen from an area") << int(Ky::LEVEL_SCREEN) << "A1"
                                         << "root" << 1;
    QTest::newRow("program into a screen") << int(Ky::LEVEL_PROGRAM) << "S0"
                                           << "S0" << 0;
    QTest::newRow("program after a program") << int(Ky::LEVEL_PROGRAM) << "P0"
                                             << "S0" << 1;
    QTest::newRow("program from an area") << int(Ky::LEVEL_PROGRAM) << "A1"
                                          << "S0" << 1;
    QTest::newRow("program after the last") << int(Ky::LEVEL_PROGRAM) << "P1"
                                            << "S0" << 2;
    QTest::newRow("area after an area") << int(Ky::LEVEL_AREA) << "A0"
                                        << "P0" << 1;
    QTest::newRow("area into an empty program") << int(Ky::LEVEL_AREA) << "P1"
                                                << "P1" << 0;
    QTest::newRow("content into an area") << int(Ky::LEVEL_CONTENT) << "A1"
                                          << "A1" << 0;
}

void TestKNodeInserter::positionFor()
{
    QFETCH(int, level);
    QFETCH(QString, from);
    QFETCH(QString, parent);
    QFETCH(int, row);
    const Ky::KNodeInserter inserter(m_model);
    const Ky::KNodeInserter::Position at = inserter.PositionFor(Ky::KLevel(level), Named(from));
    QCOMPARE(m_model->NodeFromIndex(at.parent), Named(parent));
    QCOMPARE(at.row, row);
}

KESTROVA_TEST_MAIN(TestKNodeInserter)
#include "tst_knodeinserter.moc"
