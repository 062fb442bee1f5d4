#include "kframetimer.h"
#include "ktestmain.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <memory>

using Ky::KFrameTimer;

// The engines' timer in stepped mode: it follows the play time that Advance moves, never the
// wall clock.
class TestKFrameTimer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { KFrameTimer::SetStepped(false); }
    void firesWhenThePlayTimePassesTheExpiry_data();
    void firesWhenThePlayTimePassesTheExpiry();
    void restartFromTheHandlerKeepsTheCadence();
    void zeroDelayCannotSpinForever();
    void handlerMayDeleteItsTimer();
    void switchingModesKeepsARunningTimer();
};

void TestKFrameTimer::firesWhenThePlayTimePassesTheExpiry_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QList<int>>("firedAfter"); // timeouts seen after each step
    QTest::newRow("exactly at expiry") << 100 << QList<int>{40, 40, 20} << QList<int>{0, 0, 1};
    QTest::newRow("past expiry") << 100 << QList<int>{99, 500} << QList<int>{0, 1};
    QTest::newRow("zero delay at the first step") << 0 << QList<int>{0} << QList<int>{1};
    QTest::newRow("negative step ignored") << 10 << QList<int>{-50, 9, 1} << QList<int>{0, 0, 1};
}

void TestKFrameTimer::firesWhenThePlayTimePassesTheExpiry()
{
    QFETCH(int, delay);
    QFETCH(QList<int>, steps);
    QFETCH(QList<int>, firedAfter);
    KFrameTimer::SetStepped(true);
    KFrameTimer timer;
    QSignalSpy spy(&timer, &KFrameTimer::timeout);
    timer.start(delay);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        KFrameTimer::Advance(steps.at(i));
        QCOMPARE(spy.count(), firedAfter.at(i));
    }
    QVERIFY(!timer.isActive());
    // Real time does not move it.
    timer.start(1);
    QTest::qWait(20);
    QCOMPARE(spy.count(), firedAfter.last());
}

void TestKFrameTimer::restartFromTheHandlerKeepsTheCadence()
{
    // An animation of 30 ms frames stepped by 100 ms shows frames 3, 6, 10 after steps 1-3:
    // the time past each expiry counts towards the next frame.
    KFrameTimer::SetStepped(true);
    KFrameTimer timer;
    int frames = 0;
    connect(&timer, &KFrameTimer::timeout, this, [&] {
        ++frames;
        timer.start(30);
    });
    timer.start(30);
    QList<int> seen;
    for (int i = 0; i < 3; ++i) {
        KFrameTimer::Advance(100);
        seen << frames;
    }
    QCOMPARE(seen, (QList<int>{3, 6, 10}));
}

void TestKFrameTimer::zeroDelayCannotSpinForever()
{
    KFrameTimer::SetStepped(true);
    KFrameTimer timer;
    int fired = 0;
    connect(&timer, &KFrameTimer::timeout, this, [&] {
        ++fired;
        timer.start(0);
    });
    timer.start(0);
    KFrameTimer::Advance(40);
    QVERIFY(fired > 1);
    QVERIFY(fired <= 1000);
    QVERIFY(timer.isActive());
}

void TestKFrameTimer::handlerMayDeleteItsTimer()
{
    KFrameTimer::SetStepped(true);
    auto first = std::make_unique<KFrameTimer>();
    auto second = std::make_unique<KFrameTimer>();
    int secondFired = 0;
    connect(first.get(), &KFrameTimer::timeout, this, [&] {
        second.reset();
        first.reset();
    });
    connect(second.get(), &KFrameTimer::timeout, this, [&] { ++secondFired; });
    first->start(10);
    second->start(10);
    KFrameTimer::Advance(10);
    QVERIFY(!first && !second);
    QCOMPARE(secondFired, 0);
}

void TestKFrameTimer::switchingModesKeepsARunningTimer()
{
    KFrameTimer timer;
    QSignalSpy spy(&timer, &KFrameTimer::timeout);
    timer.start(60000);
    KFrameTimer::SetStepped(true);
    QVERIFY(timer.isActive());
    KFrameTimer::Advance(59000);
    QCOMPARE(spy.count(), 0);
    KFrameTimer::SetStepped(false);
    QVERIFY(timer.isActive());
    timer.start(0);
    QVERIFY(spy.wait(1000));
}

KESTROVA_TEST_MAIN(TestKFrameTimer)
#include "tst_kframetimer.moc"
