#include "kinfocommand.h"

#include "klist.h"
#include "knode.h"
#include "kopaquenode.h"
#include "kprojectsession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace Ky::Cli {

namespace {

QString LevelName(KLevel level)
{
    switch (level) {
    case LEVEL_ROOT:
        return QStringLiteral("root");
    case LEVEL_SCREEN:
        return QStringLiteral("screen");
    case LEVEL_PROGRAM:
        return QStringLiteral("program");
    case LEVEL_AREA:
        return QStringLiteral("area");
    case LEVEL_CONTENT:
        return QStringLiteral("content");
    case LEVEL_NONE:
        break;
    }
    return QStringLiteral("none");
}

// Names in order, so the output does not depend on hashing.
QStringList Sorted(QStringList names)
{
    std::sort(names.begin(), names.end());
    return names;
}

QJsonObject NodeJson(KNode* node)
{
    QJsonObject json;
    json[QStringLiteral("type")] = node->Type();
    json[QStringLiteral("level")] = LevelName(node->Level());
    json[QStringLiteral("name")] = node->name();
    if (qobject_cast<KOpaqueNode*>(node))
        json[QStringLiteral("opaque")] = true;
    QJsonObject attributes;
    for (auto it = node->attributes().cbegin(); it != node->attributes().cend(); ++it)
        attributes[it.key()] = it.value();
    json[QStringLiteral("attributes")] = attributes;
    QJsonObject lists;
    for (const QString& listName : Sorted(node->lists().keys())) {
        const KList* list = node->lists().value(listName);
        QJsonArray items;
        for (const KList::Item* item : list->items()) {
            QJsonObject row;
            for (auto it = item->cbegin(); it != item->cend(); ++it)
                row[it.key()] = it.value();
            items.append(row);
        }
        lists[listName] =
            QJsonObject{{QStringLiteral("index"), list->index()}, {QStringLiteral("items"), items}};
    }
    json[QStringLiteral("lists")] = lists;
    QJsonArray children;
    for (KNode* child : node->children())
        children.append(NodeJson(child));
    json[QStringLiteral("children")] = children;
    return json;
}

// Values are quoted with C-style escapes so line breaks stay on one line.
QString Quoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void PrintNode(QTextStream& out, KNode* node, int depth)
{
    const QString indent(depth * 4, QLatin1Char(' '));
    out << indent << LevelName(node->Level()) << ' ' << node->Type() << ' ' << Quoted(node->name());
    if (qobject_cast<KOpaqueNode*>(node))
        out << " (kind not installed, kept as read)";
    out << '\n';
    for (auto it = node->attributes().cbegin(); it != node->attributes().cend(); ++it)
        out << indent << "  " << it.key() << " = " << Quoted(it.value()) << '\n';
    for (const QString& listName : Sorted(node->lists().keys())) {
        const KList* list = node->lists().value(listName);
        out << indent << "  list " << listName << " index " << list->index() << '\n';
        for (int row = 0; row < list->count(); ++row) {
            const KList::Item* item = list->items().at(row);
            out << indent << "    [" << row << ']';
            for (const QString& key : Sorted(item->keys()))
                out << ' ' << key << '=' << Quoted(item->value(key));
            out << '\n';
        }
    }
    for (KNode* child : node->children())
        PrintNode(out, child, depth + 1);
}

} // namespace

QString KInfoCommand::summary() const
{
    return QStringLiteral("print the tree of a project file");
}

QString KInfoCommand::help() const
{
    return QStringLiteral(
        "Usage: kestrova-cli info [--json] FILE.boo\n"
        "\n"
        "Prints every node of the project with its level, type and name, its attributes and\n"
        "its lists. --json prints one JSON object per node with the keys type, level, name,\n"
        "attributes, lists (name -> {index, items}) and children; nodes of kinds that are\n"
        "not installed carry \"opaque\": true.\n");
}

int KInfoCommand::Run(const QStringList& args, Streams& io)
{
    QStringList positional;
    QStringList flags;
    const int split = SplitArguments(args, {QStringLiteral("--json")}, io, &positional, &flags);
    if (split != Continue)
        return split;
    if (positional.size() != 1)
        return Fail(io, QStringLiteral("needs one FILE\n\n") + help(), ExitUsage);
    const bool json = !flags.isEmpty();
    const QString file = positional.first();

    KProjectSession session;
    QString error;
    KNode* node = session.Open(file, &error);
    if (!node)
        return Fail(io, error);
    if (json)
        io.out << QJsonDocument(NodeJson(node)).toJson(QJsonDocument::Indented);
    else
        PrintNode(io.out, node, 0);
    return ExitOk;
}

} // namespace Ky::Cli
