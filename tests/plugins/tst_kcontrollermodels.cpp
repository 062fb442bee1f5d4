#include "kcontrollermodels.h"
#include "ktestmain.h"

using namespace Ky;

class TestKControllerModels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void modelOfDeviceId_data();
    void modelOfDeviceId();
    void cascading();
};

void TestKControllerModels::modelOfDeviceId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("model");
    QTest::newRow("Q743") << KControllerModels::DeviceId("Q743", "00A1F3") << "Q743";
    QTest::newRow("N5") << "N5-77" << "N5";
    QTest::newRow("serial with dashes") << "V7-12-34" << "V7";
    QTest::newRow("no serial") << "Q741-" << "";
    QTest::newRow("no dash") << "Q7410001" << "";
    QTest::newRow("family prefix only") << "Q74-0001" << "";
    QTest::newRow("case differs") << "q742-0001" << "";
    QTest::newRow("empty") << "" << "";
}

void TestKControllerModels::modelOfDeviceId()
{
    QFETCH(QString, id);
    QFETCH(QString, model);
    QCOMPARE(KControllerModels::ModelOfDeviceId(id), model);
}

void TestKControllerModels::cascading()
{
    QStringList cascading;
    for (const QString& name : KControllerModels::Names()) {
        if (KControllerModels::Cascading(name))
            cascading << name;
    }
    QCOMPARE(cascading, (QStringList{"Q741", "Q742", "Q743"}));
    // Single-port models are exactly the ones that cannot scale pictures.
    for (const KControllerModel& model : KControllerModels::All())
        QCOMPARE(model.ports == 1, !model.scalesPictures);
}

KESTROVA_TEST_MAIN(TestKControllerModels)
#include "tst_kcontrollermodels.moc"
