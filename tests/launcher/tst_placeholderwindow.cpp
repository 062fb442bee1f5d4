// The stand-in main window's answer to later starts.

#include "kplaceholderwindow.h"
#include "kprompt.h"
#include "ktestmain.h"

#include <QMessageBox>
#include <QTimer>

using Ky::KPlaceholderWindow;
using Ky::Prompt;

class TestPlaceholderWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Prompt::Reset(); }
    void cleanup() { KPlaceholderWindow::Destroy(); }

    void warnsOncePerMessage();
    void burstOfMessagesShowsOneBoxAtATime();
};

void TestPlaceholderWindow::warnsOncePerMessage()
{
    Prompt::SetInteractive(false);
    KPlaceholderWindow* window = KPlaceholderWindow::instance();
    QCOMPARE(window->windowTitle(), QStringLiteral("Kestrova"));
    window->showMinimized();
    window->handleMessage(QString());
    QVERIFY(!window->isMinimized()); // brought back
    window->handleMessage(QString());
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].kind, Prompt::Kind::Warning);
    QCOMPARE(records[0].title, QStringLiteral("Warning"));
    QCOMPARE(records[0].text, QStringLiteral("Kestrova is running!"));
}

void TestPlaceholderWindow::burstOfMessagesShowsOneBoxAtATime()
{
    Prompt::SetInteractive(true);
    KPlaceholderWindow* window = KPlaceholderWindow::instance();
    int mostAtOnce = 0;
    int polls = 0;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        int open = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            open += qobject_cast<QMessageBox*>(widget) && widget->isVisible();
        mostAtOnce = qMax(mostAtOnce, open);
        // Let the queued messages arrive while a box is up, then dismiss it.
        if (open && ++polls % 10 == 0)
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
    });
    poll.start();
    for (int i = 0; i < 5; ++i)
        QMetaObject::invokeMethod(window, "handleMessage", Qt::QueuedConnection,
                                  Q_ARG(QString, QString()));
    QTest::qWait(1500);
    poll.stop();
    while (QWidget* modal = QApplication::activeModalWidget()) // never leave one behind
        modal->close();
    Prompt::SetInteractive(false);
    QCOMPARE(mostAtOnce, 1);
}

KESTROVA_TEST_MAIN(TestPlaceholderWindow)

#include "tst_placeholderwindow.moc"
