#include "kxmldataaccess.h"

#include "klist.h"
#include "knode.h"
#include "kopaquenode.h"
#include "kpluginmanager.h"
#include "kprompt.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QThread>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace Ky {

Q_LOGGING_CATEGORY(lcProjectFile, "kestrova.model")

namespace {

const QString kNode = QStringLiteral("Node");
const QString kAttribute = QStringLiteral("Attribute");
const QString kList = QStringLiteral("List");
const QString kListItem = QStringLiteral("ListItem");
const QString kLevel = QStringLiteral("Level");
const QString kType = QStringLiteral("Type");
const QString kName = QStringLiteral("Name");
const QString kIndex = QStringLiteral("Index");

bool IsXmlChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x20)
        return u == 0x09 || u == 0x0A || u == 0x0D;
    return u != 0xFFFE && u != 0xFFFF;
}

// XML 1.0 cannot carry control characters, U+FFFE/U+FFFF or unpaired surrogates. The stream
// writer drops them and flags an error, which would make the whole save fail; drop them
// here instead, so the rest of the value and the file stay intact.
QString XmlSafe(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate() || !IsXmlChar(c))
            break;
    }
    if (i == n)
        return text;
    QString clean = text.left(i);
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            clean.append(c);
            clean.append(text.at(++i));
        } else if (!c.isSurrogate() && IsXmlChar(c)) {
            clean.append(c);
        }
    }
    return clean;
}

// Character data. A raw CR would come back as LF (XML normalises line ends), so it is
// written as a character reference.
void WriteText(QXmlStreamWriter& xml, QStringView text)
{
    qsizetype start = 0;
    for (;;) {
        const qsizetype cr = text.indexOf(u'\r', start);
        const QStringView part = text.mid(start, (cr < 0 ? text.size() : cr) - start);
        if (!part.isEmpty())
            xml.writeCharacters(part.toString());
        if (cr < 0)
            return;
        xml.writeEntityReference(QStringLiteral("#13"));
        start = cr + 1;
    }
}

void WriteNodeElement(QXmlStreamWriter& xml, KNode* node);

// Replays the kept element; nodes added below it since come before its end tag.
void WriteOpaque(QXmlStreamWriter& xml, KOpaqueNode* node)
{
    QXmlStreamReader kept(node->xml());
    kept.setNamespaceProcessing(false);
    int depth = 0;
    while (!kept.atEnd()) {
        switch (kept.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            xml.writeStartElement(kept.qualifiedName().toString());
            for (const QXmlStreamAttribute& attribute : kept.attributes())
                xml.writeAttribute(attribute.qualifiedName().toString(),
                                   attribute.value().toString());
            break;
        case QXmlStreamReader::EndElement:
            if (--depth == 0) {
                for (KNode* child : std::as_const(node->children()))
                    WriteNodeElement(xml, child);
            }
            xml.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            WriteText(xml, kept.text());
            break;
        case QXmlStreamReader::Comment:
            xml.writeComment(kept.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            xml.writeProcessingInstruction(kept.processingInstructionTarget().toString(),
                                           kept.processingInstructionData().toString());
            break;
        default:
            break;
        }
    }
    // The fragment was checked when it was read; close anything left open all the same.
    for (; depth > 0; --depth)
        xml.writeEndElement();
}

void WriteNodeElement(QXmlStreamWriter& xml, KNode* node)
{
    if (auto* opaque = qobject_cast<KOpaqueNode*>(node)) {
        WriteOpaque(xml, opaque);
        return;
    }
    xml.writeStartElement(kNode);
    xml.writeAttribute(kLevel, QString::number(int(node->Level())));
    xml.writeAttribute(kType, XmlSafe(node->Type()));
    // QMap order: ascending by UTF-16 code units.
    const KData::AttributeMap& attributes = node->attributes();
    for (auto it = attributes.cbegin(); it != attributes.cend(); ++it) {
        xml.writeStartElement(kAttribute);
        xml.writeAttribute(kName, XmlSafe(it.key()));
        if (!it.value().isEmpty())
            WriteText(xml, XmlSafe(it.value()));
        xml.writeEndElement();
    }
    const KData::ListMap& lists = node->lists();
    for (auto it = lists.cbegin(); it != lists.cend(); ++it) {
        const KList* list = it.value();
        xml.writeStartElement(kList);
        xml.writeAttribute(kName, XmlSafe(it.key()));
        xml.writeAttribute(kIndex, QString::number(list->index()));
        for (const KList::Item* row : list->items()) {
            xml.writeEmptyElement(kListItem);
            for (auto cell = row->cbegin(); cell != row->cend(); ++cell)
                xml.writeAttribute(cell.key(), XmlSafe(cell.value()));
        }
        xml.writeEndElement();
    }
    for (KNode* child : std::as_const(node->children()))
        WriteNodeElement(xml, child);
    xml.writeEndElement();
}

void WriteDocument(QXmlStreamWriter& xml, KNode* node)
{
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    WriteNodeElement(xml, node);
    xml.writeEndDocument();
}

// Reads one document into nodes. Stops at the first XML error, keeping what was attached.
class TreeReader
{
public:
    explicit TreeReader(QXmlStreamReader& xml)
        : m_xml(xml)
    {
        m_xml.setNamespaceProcessing(false);
    }

    // The first top-level `Node` element; other top-level elements are skipped whole.
    KNode* ReadDocument(KNode* parent)
    {
        while (!m_xml.atEnd()) {
            if (m_xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (m_xml.qualifiedName() == kNode)
                return ReadNodeElement(parent, 1);
            m_xml.skipCurrentElement();
        }
        return nullptr;
    }

    const QSet<QString>& missingKinds() const { return m_missing; }

private:
    KNode* ReadNodeElement(KNode* parent, int depth)
    {
        if (depth > KXmlDataAccess::MaxNodeDepth) {
            m_xml.raiseError(QStringLiteral("Node elements nested too deeply"));
            return nullptr;
        }
        const QString type = m_xml.attributes().value(kType).toString();
        KNode* node = KPluginManager::instance()->Create(type);
        if (!node) {
            // The document's own top node cannot be kept without its kind.
            if (depth == 1)
                return nullptr;
            KOpaqueNode* opaque = Capture(type, depth);
            if (opaque) {
                parent->AddChild(opaque);
                m_missing.insert(type);
            }
            return opaque;
        }
        // Attached first, so the node already finds its screen, program and area.
        if (parent)
            parent->AddChild(node);
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QStringView name = m_xml.qualifiedName();
            if (name == kNode)
                ReadNodeElement(node, depth + 1);
            else if (name == kAttribute)
                ReadAttribute(node);
            else if (name == kList)
                ReadList(node);
            else
                m_xml.skipCurrentElement();
        }
        return node;
    }

    void ReadAttribute(KNode* node)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (!attributes.hasAttribute(kName)) {
            m_xml.skipCurrentElement();
            return;
        }
        const QString name = attributes.value(kName).toString();
        const QString text = m_xml.readElementText(QXmlStreamReader::SkipChildElements);
        if (!m_xml.hasError())
            node->SetAttribute(name, text);
    }

    void ReadList(KNode* node)
    {
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (!attributes.hasAttribute(kName)) {
            m_xml.skipCurrentElement();
            return;
        }
        const QString name = attributes.value(kName).toString();
        const int index = attributes.value(kIndex).toInt(nullptr, 10);
        auto* list = new KList(name);
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::EndElement)
                break;
            if (token != QXmlStreamReader::StartElement)
                continue;
            if (m_xml.qualifiedName() == kListItem) {
                KList::Item* row = list->AddItem();
                for (const QXmlStreamAttribute& cell : m_xml.attributes())
                    row->insert(cell.qualifiedName().toString(), cell.value().toString());
            }
            m_xml.skipCurrentElement();
        }
        list->set_index(index);
        // A list the kind made itself (in its constructor) wins over the stored one.
        if (node->HaveList(name) || !node->SetList(name, list))
            delete list;
    }

    // Copies the current `Node` element, whose kind is missing, into a compact fragment.
    // Indentation between elements is dropped (the writer puts its own back); white space
    // that is an element's whole content is a value and is kept.
    KOpaqueNode* Capture(const QString& type, int depth)
    {
        const KLevel level = KOpaqueNode::LevelFromText(m_xml.attributes().value(kLevel));
        QString fragment;
        QXmlStreamWriter out(&fragment);
        QString name;
        bool inName = false;
        int inner = 0;
        QString run;
        bool runIsBlank = true;
        QXmlStreamReader::TokenType before = QXmlStreamReader::NoToken;
        QXmlStreamReader::TokenType token = QXmlStreamReader::StartElement; // already read
        for (;;) {
            if (token == QXmlStreamReader::Characters) {
                run += m_xml.text();
                runIsBlank = runIsBlank && m_xml.isWhitespace() && !m_xml.isCDATA();
            } else if (token == QXmlStreamReader::StartElement
                       || token == QXmlStreamReader::EndElement
                       || token == QXmlStreamReader::Comment
                       || token == QXmlStreamReader::ProcessingInstruction) {
                if (!run.isEmpty()) {
                    const bool wholeContent = before == QXmlStreamReader::StartElement
                        && token == QXmlStreamReader::EndElement;
                    if (!runIsBlank || wholeContent) {
                        WriteText(out, run);
                        if (inName)
                            name += run;
                    }
                    run.clear();
                }
                runIsBlank = true;
                before = token;
                if (token == QXmlStreamReader::StartElement) {
                    ++inner;
                    // Every element counts, so nothing kept is deeper than the bound.
                    if (depth + inner - 1 > KXmlDataAccess::MaxNodeDepth) {
                        m_xml.raiseError(QStringLiteral("elements nested too deeply"));
                        return nullptr;
                    }
                    const QXmlStreamAttributes attributes = m_xml.attributes();
                    inName = inner == 2 && m_xml.qualifiedName() == kAttribute
                        && attributes.value(kName) == KData::NameKey;
                    out.writeStartElement(m_xml.qualifiedName().toString());
                    for (const QXmlStreamAttribute& attribute : attributes)
                        out.writeAttribute(attribute.qualifiedName().toString(),
                                           attribute.value().toString());
                } else if (token == QXmlStreamReader::EndElement) {
                    inName = false;
                    out.writeEndElement();
                    if (--inner == 0)
                        break;
                } else if (token == QXmlStreamReader::Comment) {
                    out.writeComment(m_xml.text().toString());
                } else {
                    out.writeProcessingInstruction(
                        m_xml.processingInstructionTarget().toString(),
                        m_xml.processingInstructionData().toString());
                }
            }
            // Unresolved entity references have no meaning without the document's DTD and
            // are not kept.
            if (m_xml.atEnd())
                return nullptr;
            token = m_xml.readNext();
            if (token == QXmlStreamReader::Invalid)
                return nullptr;
        }
        auto* node = new KOpaqueNode(type, level, fragment);
        if (!name.isEmpty())
            node->attributes().insert(KData::NameKey, name);
        return node;
    }

    QXmlStreamReader& m_xml;
    QSet<QString> m_missing;
};

// Message boxes belong to the GUI thread; the generator reads and writes on its own thread.
void WarnOperator(const QString& text, bool later = false)
{
    const QString title = KXmlDataAccess::tr("Warning");
    QCoreApplication* app = QCoreApplication::instance();
    if (app && (later || QThread::currentThread() != app->thread())) {
        QMetaObject::invokeMethod(
            app, [title, text] { Prompt::Warning(nullptr, title, text); }, Qt::QueuedConnection);
        return;
    }
    Prompt::Warning(nullptr, title, text);
}

void AllowOwnerReadWrite(const QString& path)
{
    // Clears a read-only flag the operator may have set; failure shows up when opening.
    if (QFileInfo::exists(path))
        QFile::setPermissions(path,
                              QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

KNode* KXmlDataAccess::Read(const QString& path, KNode* parent)
{
    m_error.clear();
    AllowOwnerReadWrite(path);
    QFile file(path);
    // Not opened in text mode: the XML reader normalises line ends itself.
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcProjectFile) << "cannot open" << path << file.errorString();
        m_error = file.errorString();
        WarnOperator(tr("Read [") + path
                     + tr("] error! Insufficient permissions? Please try to run the program as "
                          "an administrator"));
        return nullptr;
    }
    QXmlStreamReader xml(&file);
    TreeReader reader(xml);
    KNode* node = reader.ReadDocument(parent);
    file.close();
    if (!node)
        m_error = xml.hasError() ? xml.errorString() : tr("not a project file");
    if (node) {
        node->CleanDataChange();
        // Saving a partly read project over its file would lose the rest.
        if (xml.hasError()) {
            qCDebug(lcProjectFile) << "damaged project" << path << xml.errorString()
                                   << "at line" << xml.lineNumber();
            m_error = tr("damaged at line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
            WarnOperator(tr("Read [") + path
                         + tr("] error! The file is damaged; only the part before the damage "
                              "was read. Save the project under a new name to keep the "
                              "original file."));
        }
    }
    NoticeMissingKinds(reader.missingKinds());
    return node;
}

bool KXmlDataAccess::Write(KNode* node, const QString& path)
{
    m_error.clear();
    if (!node) {
        m_error = tr("nothing to write");
        return false;
    }
    AllowOwnerReadWrite(path);
    // The new content goes to a temporary file that replaces the old one only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        m_error = file.errorString();
        WarnOperator(tr("Write [") + path
                     + tr("] error! Insufficient permissions? Please try to run the program as "
                          "an administrator"));
        return false;
    }
    QXmlStreamWriter xml(&file);
    WriteDocument(xml, node);
    if (xml.hasError())
        file.cancelWriting();
    if (!file.commit()) {
        qCDebug(lcProjectFile) << "write failed" << path << file.errorString();
        m_error = xml.hasError() ? tr("the document could not be encoded") : file.errorString();
        WarnOperator(tr("Write [") + path
                     + tr("] error! The file could not be written completely; its previous "
                          "content is kept."));
        return false;
    }
    return true;
}

KNode* KXmlDataAccess::ReadNode(const QByteArray& data, KNode* parent)
{
    // Through a device the reader decodes piece by piece; handed the whole array it is
    // several times slower on large documents.
    QByteArray shared = data;
    QBuffer buffer(&shared);
    buffer.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&buffer);
    TreeReader reader(xml);
    KNode* node = reader.ReadDocument(parent);
    NoticeMissingKinds(reader.missingKinds());
    return node;
}

void KXmlDataAccess::WriteNode(KNode* node, QByteArray& data)
{
    data.clear();
    if (!node)
        return;
    QXmlStreamWriter xml(&data);
    WriteDocument(xml, node);
}

void KXmlDataAccess::NoticeMissingKinds(const QSet<QString>& kinds)
{
    if (kinds.isEmpty())
        return;
    QStringList fresh;
    {
        QMutexLocker locker(&m_mutex);
        for (const QString& kind : kinds) {
            if (!m_reported.contains(kind)) {
                m_reported.insert(kind);
                fresh.append(kind);
            }
        }
    }
    if (fresh.isEmpty())
        return;
    std::sort(fresh.begin(), fresh.end());
    for (QString& kind : fresh) {
        if (kind.isEmpty())
            kind = tr("(no type)");
    }
    qCDebug(lcProjectFile) << "kept nodes of missing kinds" << fresh;
    // Shown once the current operation is over: the caller may be in the middle of changing
    // the tree, and a dialog runs the event loop.
    WarnOperator(tr("This project holds items of kinds that are not installed: %1. They are "
                    "kept and saved back unchanged, but cannot be shown or edited.")
                     .arg(fresh.join(QStringLiteral(", "))),
                 true);
}

} // namespace Ky
