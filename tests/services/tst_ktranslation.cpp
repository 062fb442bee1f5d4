#include "kappconfig.h"
#include "ktestmain.h"
#include "ktranslation.h"

#include <QDir>
#include <QSignalSpy>

using namespace Ky;

// Uses the real translation files the build puts into bin/translations.
class TestKTranslation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { KTranslation::Destroy(); }
    void cleanupTestCase() { KTranslation::Destroy(); }
    void languageSelection();
    void unknownNameTakesTheLastLanguage();
    void emptyListOrRecordChangesNothing();
    void translateFallsBackToTheSource();
    void errorCodes_data();
    void errorCodes();
    void chineseErrorText();

private:
    static QList<KLang> Languages()
    {
        return {{QStringLiteral("English"), QStringLiteral("translations/kestrova_en.qm"),
                 QStringLiteral("1033")},
                {QStringLiteral("Chinese"), QStringLiteral("translations/kestrova_zh_CN.qm"),
                 QStringLiteral("2052")}};
    }
};

void TestKTranslation::languageSelection()
{
    KTranslation* service = KTranslation::instance();
    *service->languages() = Languages();
    QSignalSpy spy(service, &KTranslation::LanguageChanged);
    service->set_language(QStringLiteral("English"));
    QCOMPARE(service->language(), QStringLiteral("English"));
    QCOMPARE(service->SelectLanguages().name, QStringLiteral("English"));
    QCOMPARE(spy.count(), 1);
    service->set_language(QStringLiteral("English")); // the current one: nothing happens
    QCOMPARE(spy.count(), 1);
}

void TestKTranslation::unknownNameTakesTheLastLanguage()
{
    KTranslation* service = KTranslation::instance();
    *service->languages() = Languages();
    service->set_language(QStringLiteral("English"));
    QSignalSpy spy(service, &KTranslation::LanguageChanged);
    service->set_language(QStringLiteral("Klingon"));
    QCOMPARE(service->language(), QStringLiteral("Chinese"));
    QCOMPARE(service->SelectLanguages().name, QStringLiteral("English")); // left as it was
    QCOMPARE(spy.count(), 1);
    QCOMPARE(service->translateFromErrorCode(0), QStringLiteral("成功！")); // its file loaded
}

void TestKTranslation::emptyListOrRecordChangesNothing()
{
    KTranslation* service = KTranslation::instance();
    QSignalSpy spy(service, &KTranslation::LanguageChanged);
    service->set_language(QStringLiteral("English"));
    service->languages()->append({QStringLiteral("NoFile"), QString(), QStringLiteral("1")});
    service->set_language(QStringLiteral("NoFile"));
    QCOMPARE(spy.count(), 0);
    QVERIFY(service->language().isEmpty());
    // A file that does not load still switches the name and announces it.
    service->languages()->append({QStringLiteral("Gone"), QStringLiteral("missing.qm"),
                                  QStringLiteral("2")});
    service->set_language(QStringLiteral("Gone"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(service->language(), QStringLiteral("Gone"));
}

void TestKTranslation::translateFallsBackToTheSource()
{
    KTranslation* service = KTranslation::instance();
    QCOMPARE(service->translate("Nowhere", "Caf\xe9"), QStringLiteral("Café")); // Latin-1
    QCOMPARE(service->translate("Nowhere", QStringLiteral("Grüße")), QStringLiteral("Grüße"));
    *service->languages() = Languages();
    service->set_language(QStringLiteral("Chinese"));
    QCOMPARE(service->translate("Ky::KFrame", "Rotate"), QStringLiteral("旋转"));
    QCOMPARE(service->translate("Ky::KFrame", QStringLiteral("Static")), QStringLiteral("静止"));
}

void TestKTranslation::errorCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "Success!";
    QTest::newRow("15") << 15 << "Connect the device failure!";
    QTest::newRow("26") << 26 << "Upgrade package error!";
    QTest::newRow("27 has no text") << 27 << "";
    QTest::newRow("28") << 28 << "Unknow!";
    QTest::newRow("29") << 29 << "";
    QTest::newRow("-1") << -1 << "";
}

void TestKTranslation::errorCodes()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(KTranslation::instance()->translateFromErrorCode(code), text);
}

void TestKTranslation::chineseErrorText()
{
    KTranslation* service = KTranslation::instance();
    *service->languages() = Languages();
    service->set_language(QStringLiteral("Chinese"));
    QCOMPARE(service->translateFromErrorCode(28), QStringLiteral("未知！"));
    QVERIFY(service->translateFromErrorCode(27).isEmpty());
    // The application's own translators see it too.
    QCOMPARE(QCoreApplication::translate("Ky::KEffectNode", "Gradual Change"),
             QStringLiteral("渐变"));
}

KESTROVA_TEST_MAIN(TestKTranslation)
#include "tst_ktranslation.moc"
