#include "kprompt.h"
#include "ktestmain.h"

#include <QPushButton>
#include <QTemporaryFile>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

using Ky::Prompt;

Q_DECLARE_METATYPE(Prompt::Kind)

namespace {

using Button = QMessageBox::StandardButton;
using Buttons = QMessageBox::StandardButtons;

QMessageBox::StandardButton Ask(Prompt::Kind kind, const QString& title, const QString& text,
                                Buttons buttons, Button defaultButton)
{
    switch (kind) {
    case Prompt::Kind::Information:
        return Prompt::Information(nullptr, title, text, buttons, defaultButton);
    case Prompt::Kind::Question:
        return Prompt::Question(nullptr, title, text, buttons, defaultButton);
    case Prompt::Kind::Critical:
        return Prompt::Critical(nullptr, title, text, buttons, defaultButton);
    default:
        return Prompt::Warning(nullptr, title, text, buttons, defaultButton);
    }
}

// Collects what this process writes to stderr while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(2);
        ::dup2(m_file.handle(), 2);
    }
    ~StderrCapture() { restore(); }

    QByteArray text()
    {
        restore();
        m_file.seek(0);
        return m_file.readAll();
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class TestKPrompt : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();

    void nonInteractiveByEnvironment();
    void defaultReplies_data();
    void defaultReplies();
    void recordsWhatWasAsked();
    void scriptedRepliesInOrder();
    void replyThatDoesNotFitIsDropped();
    void choosersCancelWithoutScript();
    void writesOneLinePerQuestion();
    void interactiveShowsTheMessageBox();
};

void TestKPrompt::init()
{
    Prompt::Reset();
    Prompt::SetInteractive(false);
}

void TestKPrompt::nonInteractiveByEnvironment()
{
    // The test main sets KESTROVA_NONINTERACTIVE=1; code can still switch either way.
    Prompt::SetInteractive(true);
    QVERIFY(Prompt::IsInteractive());
    Prompt::SetInteractive(false);
    QVERIFY(!Prompt::IsInteractive());
}

void TestKPrompt::defaultReplies_data()
{
    QTest::addColumn<Prompt::Kind>("kind");
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Button>("defaultButton");
    QTest::addColumn<Button>("expected");
    QTest::newRow("warning ok") << Prompt::Kind::Warning << Buttons(QMessageBox::Ok)
                                << QMessageBox::NoButton << QMessageBox::Ok;
    QTest::newRow("question yes/no") << Prompt::Kind::Question << (QMessageBox::Yes | QMessageBox::No)
                                     << QMessageBox::NoButton << QMessageBox::Yes;
    QTest::newRow("question default no") << Prompt::Kind::Question << (QMessageBox::Yes | QMessageBox::No)
                                         << QMessageBox::No << QMessageBox::No;
    QTest::newRow("save/discard/cancel")
        << Prompt::Kind::Question << (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)
        << QMessageBox::NoButton << QMessageBox::Save;
    QTest::newRow("critical default cancel") << Prompt::Kind::Critical << (QMessageBox::Ok | QMessageBox::Cancel)
                                             << QMessageBox::Cancel << QMessageBox::Cancel;
    QTest::newRow("no buttons") << Prompt::Kind::Information << Buttons(QMessageBox::NoButton)
                                << QMessageBox::NoButton << QMessageBox::NoButton;
}

void TestKPrompt::defaultReplies()
{
    QFETCH(Prompt::Kind, kind);
    QFETCH(Buttons, buttons);
    QFETCH(Button, defaultButton);
    QFETCH(Button, expected);
    QCOMPARE(Ask(kind, QStringLiteral("T"), QStringLiteral("x"), buttons, defaultButton), expected);
    QCOMPARE(Prompt::Records().size(), 1);
    QCOMPARE(Prompt::Records().at(0).answer.toInt(), int(expected));
}

void TestKPrompt::recordsWhatWasAsked()
{
    Prompt::Warning(nullptr, QStringLiteral("Warning"), QStringLiteral("Kestrova is running!"));
    Prompt::Question(nullptr, QStringLiteral("Save"), QStringLiteral("Save changes?"),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    Prompt::SaveFileName(nullptr, QStringLiteral("Save as"), QStringLiteral("/data"),
                         QStringLiteral("Projects (*.boo)"));
    const QList<Prompt::Record> records = Prompt::Records();
    QCOMPARE(records.size(), 3);
    QCOMPARE(records[0].kind, Prompt::Kind::Warning);
    QCOMPARE(records[0].title, QStringLiteral("Warning"));
    QCOMPARE(records[0].text, QStringLiteral("Kestrova is running!"));
    QCOMPARE(records[0].buttons, Buttons(QMessageBox::Ok));
    QCOMPARE(records[1].kind, Prompt::Kind::Question);
    QCOMPARE(records[1].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(records[1].defaultButton, QMessageBox::Cancel);
    QCOMPARE(records[1].answer.toInt(), int(QMessageBox::Cancel));
    QCOMPARE(records[2].kind, Prompt::Kind::SaveFile);
    QCOMPARE(records[2].title, QStringLiteral("Save as"));
    QCOMPARE(records[2].text, QStringLiteral("/data"));
    QCOMPARE(records[2].filter, QStringLiteral("Projects (*.boo)"));
}

void TestKPrompt::scriptedRepliesInOrder()
{
    Prompt::ScriptButton(QMessageBox::No);
    Prompt::Script(QStringLiteral("/tmp/a.boo"));
    Prompt::Script(QStringList{QStringLiteral("/tmp/1.png"), QStringLiteral("/tmp/2.png")});
    Prompt::Script(QColor(Qt::red));
    Prompt::Script(QStringLiteral("/media/usb"));
    QCOMPARE(Prompt::PendingReplies(), 5);

    QCOMPARE(Prompt::Question(nullptr, QStringLiteral("Q"), QStringLiteral("?")), QMessageBox::No);
    QCOMPARE(Prompt::OpenFileName(nullptr, QStringLiteral("Open")), QStringLiteral("/tmp/a.boo"));
    QCOMPARE(Prompt::OpenFileNames(nullptr, QStringLiteral("Add")),
             QStringList({QStringLiteral("/tmp/1.png"), QStringLiteral("/tmp/2.png")}));
    QCOMPARE(Prompt::Color(Qt::white, nullptr, QStringLiteral("Colour")), QColor(Qt::red));
    QCOMPARE(Prompt::ExistingDirectory(nullptr, QStringLiteral("Disk")), QStringLiteral("/media/usb"));
    QCOMPARE(Prompt::PendingReplies(), 0);
    // Script used up: defaults again.
    QCOMPARE(Prompt::Question(nullptr, QStringLiteral("Q"), QStringLiteral("?")), QMessageBox::Yes);
}

void TestKPrompt::replyThatDoesNotFitIsDropped()
{
    Prompt::Script(QStringLiteral("/tmp/not-a-button"));
    Prompt::ScriptButton(QMessageBox::No);
    QCOMPARE(Prompt::Question(nullptr, QStringLiteral("Q"), QStringLiteral("?")), QMessageBox::Yes);
    // The misfit is gone, the next reply goes to the next question.
    QCOMPARE(Prompt::PendingReplies(), 1);
    QCOMPARE(Prompt::Question(nullptr, QStringLiteral("Q"), QStringLiteral("?")), QMessageBox::No);
}

void TestKPrompt::choosersCancelWithoutScript()
{
    QVERIFY(Prompt::OpenFileName(nullptr, QStringLiteral("Open")).isEmpty());
    QVERIFY(Prompt::OpenFileNames(nullptr, QStringLiteral("Add")).isEmpty());
    QVERIFY(Prompt::SaveFileName(nullptr, QStringLiteral("Save")).isEmpty());
    QVERIFY(Prompt::ExistingDirectory(nullptr, QStringLiteral("Dir")).isEmpty());
    QVERIFY(!Prompt::Color(Qt::white, nullptr, QStringLiteral("Colour")).isValid());
    QCOMPARE(Prompt::Records().size(), 5);
}

void TestKPrompt::writesOneLinePerQuestion()
{
    StderrCapture capture;
    Prompt::Warning(nullptr, QStringLiteral("Warning"), QStringLiteral("Kestrova is running!"));
    Prompt::Information(nullptr, QStringLiteral("Export"), QStringLiteral("Done.\nDisk ejected."));
    QCOMPARE(capture.text(), QByteArray("prompt: Warning: Kestrova is running!\n"
                                        "prompt: Export: Done. Disk ejected.\n"));
}

void TestKPrompt::interactiveShowsTheMessageBox()
{
    Prompt::SetInteractive(true);
    QString seenTitle;
    QString seenText;
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seenTitle = box->windowTitle();
        seenText = box->text();
        if (QAbstractButton* no = box->button(QMessageBox::No))
            no->click();
        else
            box->reject();
    });
    poll.start();
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close(); // never hang the run
    });
    const auto answer = Prompt::Question(nullptr, QStringLiteral("Save"), QStringLiteral("Save changes?"));
    poll.stop();
    Prompt::SetInteractive(false);
    QCOMPARE(answer, QMessageBox::No);
    QCOMPARE(seenTitle, QStringLiteral("Save"));
    QCOMPARE(seenText, QStringLiteral("Save changes?"));
    QVERIFY(Prompt::Records().isEmpty()); // shown, not recorded
}

KESTROVA_TEST_MAIN(TestKPrompt)

#include "tst_kprompt.moc"
