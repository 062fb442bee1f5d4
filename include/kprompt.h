#pragma once

#include "kcore_global.h"

#include <QColor>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

namespace Ky {

// Every question to the operator goes through here: message boxes, file and directory
// choosers, the colour chooser. Interactive runs show the toolkit's dialog. Non-interactive
// runs (KESTROVA_NONINTERACTIVE=1, or SetInteractive(false) in tests and the command-line
// tool) never block: each question is recorded, written to stderr as one line
// "prompt: <title>: <text>", and answered from the scripted replies or with the default.
class KCORE_EXPORT Prompt
{
public:
    enum class Kind { Warning, Information, Question, Critical, OpenFile, OpenFiles, SaveFile,
                      Directory, Color };

    // One question as asked, and the answer it got.
    struct Record
    {
        Kind kind = Kind::Warning;
        QString title;
        QString text;                       // message text, or the start directory
        QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString filter;                     // file choosers only
        QVariant answer;                    // int (a StandardButton), QString, QStringList, QColor
    };

    static bool IsInteractive();
    // Overrides the environment for the rest of the run.
    static void SetInteractive(bool interactive);

    static QMessageBox::StandardButton Warning(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton Information(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton Question(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton Critical(
        QWidget* parent, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Non-interactive answer: the scripted path(s), else empty (the operator cancelled).
    static QString OpenFileName(QWidget* parent, const QString& caption,
                                const QString& dir = QString(), const QString& filter = QString());
    static QStringList OpenFileNames(QWidget* parent, const QString& caption,
                                     const QString& dir = QString(),
                                     const QString& filter = QString());
    static QString SaveFileName(QWidget* parent, const QString& caption,
                                const QString& dir = QString(), const QString& filter = QString());
    static QString ExistingDirectory(QWidget* parent, const QString& caption,
                                     const QString& dir = QString());
    // Non-interactive answer: the scripted colour, else an invalid colour (cancelled).
    static QColor Color(const QColor& initial, QWidget* parent, const QString& title);

    // Scripted replies are used in the order the questions come: a button (ScriptButton, an
    // int in the variant) for a message box, a QString or QStringList for a file chooser, a QColor for the colour
    // chooser. A reply that does not fit the question is dropped with a warning and the
    // default is used.
    static void Script(const QVariant& reply);
    static void ScriptButton(QMessageBox::StandardButton button);
    static int PendingReplies();

    static QList<Record> Records();
    // Forgets records and pending replies.
    static void Reset();
};

} // namespace Ky
