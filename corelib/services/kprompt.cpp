#include "kprompt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLoggingCategory>
#include <QMutex>
#include <QQueue>

#include <cstdio>
#include <optional>

namespace Ky {

Q_LOGGING_CATEGORY(lcPrompt, "kestrova.prompt")

namespace {

struct PromptState
{
    QMutex mutex;
    std::optional<bool> interactive; // set by code; wins over the environment
    QQueue<QVariant> replies;
    QList<Prompt::Record> records;
};

PromptState& State()
{
    static PromptState state;
    return state;
}

bool Fits(Prompt::Kind kind, const QVariant& reply)
{
    const int type = reply.typeId();
    switch (kind) {
    case Prompt::Kind::Warning:
    case Prompt::Kind::Information:
    case Prompt::Kind::Question:
    case Prompt::Kind::Critical:
        return type == QMetaType::Int;
    case Prompt::Kind::OpenFile:
    case Prompt::Kind::SaveFile:
    case Prompt::Kind::Directory:
        return type == QMetaType::QString;
    case Prompt::Kind::OpenFiles:
        return type == QMetaType::QStringList || type == QMetaType::QString;
    case Prompt::Kind::Color:
        return type == QMetaType::QColor;
    }
    return false;
}

// The button a non-interactive run takes when nothing is scripted: the default button, else
// the first one in the toolkit's order, where Ok, Save, Open and Yes precede No and Cancel.
QMessageBox::StandardButton DefaultButton(QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton)
{
    if (defaultButton != QMessageBox::NoButton)
        return defaultButton;
    const uint bits = uint(buttons.toInt());
    for (uint bit = QMessageBox::FirstButton; bit && bit <= uint(QMessageBox::LastButton);
         bit <<= 1) {
        if (bits & bit)
            return QMessageBox::StandardButton(bit);
    }
    return QMessageBox::NoButton;
}

QString OneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

// Records the question, reports it on stderr and returns the reply it gets: the next
// scripted one when it fits, else `fallback`.
QVariant Answer(Prompt::Record record, const QVariant& fallback)
{
    PromptState& state = State();
    QVariant answer = fallback;
    {
        QMutexLocker locker(&state.mutex);
        if (!state.replies.isEmpty()) {
            const QVariant reply = state.replies.dequeue();
            if (Fits(record.kind, reply))
                answer = reply.typeId() == QMetaType::QString && record.kind == Prompt::Kind::OpenFiles
                    ? QVariant(QStringList{reply.toString()})
                    : reply;
            else
                qCWarning(lcPrompt) << "scripted reply" << reply << "does not fit" << record.title;
        }
        record.answer = answer;
        state.records.append(record);
    }
    const QByteArray line = "prompt: " + OneLine(record.title).toUtf8() + ": "
        + OneLine(record.text).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    return answer;
}

QMessageBox::StandardButton Box(Prompt::Kind kind, QWidget* parent, const QString& title,
                                const QString& text, QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton)
{
    if (Prompt::IsInteractive()) {
        switch (kind) {
        case Prompt::Kind::Information:
            return QMessageBox::information(parent, title, text, buttons, defaultButton);
        case Prompt::Kind::Question:
            return QMessageBox::question(parent, title, text, buttons, defaultButton);
        case Prompt::Kind::Critical:
            return QMessageBox::critical(parent, title, text, buttons, defaultButton);
        default:
            return QMessageBox::warning(parent, title, text, buttons, defaultButton);
        }
    }
    Prompt::Record record;
    record.kind = kind;
    record.title = title;
    record.text = text;
    record.buttons = buttons;
    record.defaultButton = defaultButton;
    const QVariant answer = Answer(record, int(DefaultButton(buttons, defaultButton)));
    return QMessageBox::StandardButton(answer.toInt());
}

QVariant Chooser(Prompt::Kind kind, const QString& caption, const QString& dir,
                 const QString& filter, const QVariant& cancelled)
{
    Prompt::Record record;
    record.kind = kind;
    record.title = caption;
    record.text = dir;
    record.filter = filter;
    return Answer(record, cancelled);
}

} // namespace

bool Prompt::IsInteractive()
{
    PromptState& state = State();
    {
        QMutexLocker locker(&state.mutex);
        if (state.interactive)
            return *state.interactive;
    }
    // Without a widget application there is nothing to show a dialog with.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    return qEnvironmentVariable("KESTROVA_NONINTERACTIVE") != QLatin1String("1");
}

void Prompt::SetInteractive(bool interactive)
{
    QMutexLocker locker(&State().mutex);
    State().interactive = interactive;
}

QMessageBox::StandardButton Prompt::Warning(QWidget* parent, const QString& title,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    return Box(Kind::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Prompt::Information(QWidget* parent, const QString& title,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return Box(Kind::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Prompt::Question(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return Box(Kind::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton Prompt::Critical(QWidget* parent, const QString& title,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return Box(Kind::Critical, parent, title, text, buttons, defaultButton);
}

QString Prompt::OpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter)
{
    if (IsInteractive())
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    return Chooser(Kind::OpenFile, caption, dir, filter, QString()).toString();
}

QStringList Prompt::OpenFileNames(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter)
{
    if (IsInteractive())
        return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
    return Chooser(Kind::OpenFiles, caption, dir, filter, QStringList()).toStringList();
}

QString Prompt::SaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                             const QString& filter)
{
    if (IsInteractive())
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    return Chooser(Kind::SaveFile, caption, dir, filter, QString()).toString();
}

QString Prompt::ExistingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    if (IsInteractive())
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    return Chooser(Kind::Directory, caption, dir, QString(), QString()).toString();
}

QColor Prompt::Color(const QColor& initial, QWidget* parent, const QString& title)
{
    if (IsInteractive())
        return QColorDialog::getColor(initial, parent, title);
    return Chooser(Kind::Color, title, initial.name(QColor::HexArgb), QString(), QColor())
        .value<QColor>();
}

void Prompt::Script(const QVariant& reply)
{
    QMutexLocker locker(&State().mutex);
    State().replies.enqueue(reply);
}

void Prompt::ScriptButton(QMessageBox::StandardButton button)
{
    Script(int(button));
}

int Prompt::PendingReplies()
{
    QMutexLocker locker(&State().mutex);
    return int(State().replies.size());
}

QList<Prompt::Record> Prompt::Records()
{
    QMutexLocker locker(&State().mutex);
    return State().records;
}

void Prompt::Reset()
{
    QMutexLocker locker(&State().mutex);
    State().replies.clear();
    State().records.clear();
}

} // namespace Ky
