#include "operatebrightnessxml.h"

#include "klist.h"
#include "kxmlelement.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcController)

namespace Ky {

namespace {

const QString kRoot = QStringLiteral("Node");
const QString kPortType = QStringLiteral("PortType");
const QString kAttribute = QStringLiteral("Attribute");
const QString kList = QStringLiteral("List");
const QString kListItem = QStringLiteral("ListItem");
const QString kLowerName = QStringLiteral("name");
const QString kName = QStringLiteral("Name");
const QString kNotDistinguish = QStringLiteral("Not Distinguish");
constexpr int kIndent = 4;
// Node, PortType, List, ListItem: nothing deeper is read.
constexpr int kKeptDepth = 3;

bool Load(const QString& path, KXmlElement& root, int depth)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcController) << "open file error." << path;
        return false;
    }
    if (!ParseXml(&file, root, depth)) {
        qCDebug(lcController) << "setcontent for do error" << path;
        return false;
    }
    return true;
}

void StartWriter(QXmlStreamWriter& writer)
{
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(kIndent);
    writer.writeStartDocument(QStringLiteral("1.0"));
}

// Copies the element the reader stands on, with everything inside it, to the writer.
void CopyElement(QXmlStreamReader& reader, QXmlStreamWriter& writer)
{
    int depth = 0;
    do {
        switch (reader.tokenType()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            writer.writeStartElement(reader.name().toString());
            writer.writeAttributes(reader.attributes());
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (reader.isCDATA())
                writer.writeCDATA(reader.text().toString());
            else if (!reader.isWhitespace())
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        default:
            break;
        }
        if (depth == 0)
            break;
        reader.readNext();
    } while (!reader.atEnd());
}

} // namespace

OperateBrightnessXml::OperateBrightnessXml() = default;

OperateBrightnessXml::~OperateBrightnessXml()
{
    qDeleteAll(m_lists);
}

QString OperateBrightnessXml::GetAttribute(const QString& name) const
{
    if (name.isEmpty())
        return QString();
    return m_attributes.value(name);
}

void OperateBrightnessXml::SetAttribute(const QString& name, const QString& text)
{
    if (name.isEmpty())
        return;
    auto it = m_attributes.find(name);
    if (it == m_attributes.end())
        m_attributes.insert(name, text);
    else if (*it != text)
        *it = text;
}

void OperateBrightnessXml::SetAttribute(const QString& name, int value)
{
    SetAttribute(name, QString::number(value));
}

KList* OperateBrightnessXml::GetList(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    if (KList* list = m_lists.value(name))
        return list;
    auto* list = new KList(name);
    m_lists.insert(name, list);
    return list;
}

bool OperateBrightnessXml::SetList(const QString& name, KList* list)
{
    if (name.isEmpty() || !list || m_lists.contains(name))
        return false;
    m_lists.insert(name, list);
    return true;
}

QStringList OperateBrightnessXml::GetPortTypeList(const QString& path)
{
    QStringList names;
    KXmlElement root;
    if (!Load(path, root, 1))
        return names;
    for (const KXmlElement& e : root.children) {
        if (e.tag == kPortType)
            names << e.attribute(kLowerName);
    }
    return names;
}

bool OperateBrightnessXml::read(const QString& path, const QString& section)
{
    m_path = path;
    KXmlElement root;
    if (!Load(path, root, kKeptDepth))
        return false;
    for (const KXmlElement& port : root.children) {
        if (port.tag != kPortType || port.attribute(kLowerName) != section)
            continue;
        for (const KXmlElement& e : port.children) {
            const QString name = e.attribute(kName);
            if (name.isEmpty())
                continue;
            if (e.tag == kAttribute) {
                SetAttribute(name, e.text);
            } else if (e.tag == kList) {
                if (m_lists.contains(name))
                    continue; // the first list of a name wins
                auto* list = new KList(name);
                for (const KXmlElement& item : e.children) {
                    if (item.tag != kListItem)
                        continue;
                    KList::Item* row = list->AddItem();
                    for (const QXmlStreamAttribute& a : item.attributes)
                        row->insert(a.qualifiedName().toString(), a.value().toString());
                }
                m_lists.insert(name, list);
            }
        }
    }
    return true;
}

void OperateBrightnessXml::WriteSection(QXmlStreamWriter& writer, const QString& section) const
{
    writer.writeStartElement(kPortType);
    writer.writeAttribute(kLowerName, section);
    for (auto it = m_attributes.cbegin(); it != m_attributes.cend(); ++it) {
        writer.writeStartElement(kAttribute);
        writer.writeAttribute(kName, it.key());
        writer.writeCharacters(it.value());
        writer.writeEndElement();
    }
    // Lists and columns in name order, so that the same content always gives the same file.
    QStringList listNames = m_lists.keys();
    std::sort(listNames.begin(), listNames.end());
    for (const QString& name : listNames) {
        writer.writeStartElement(kList);
        writer.writeAttribute(kName, name);
        for (const KList::Item* row : m_lists.value(name)->items()) {
            writer.writeEmptyElement(kListItem);
            QStringList keys = row->keys();
            std::sort(keys.begin(), keys.end());
            for (const QString& key : keys)
                writer.writeAttribute(key, row->value(key));
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
}

bool OperateBrightnessXml::writer(const QString& path, const QString& section, bool append)
{
    m_path = path;
    QByteArray out;
    QXmlStreamWriter writer(&out);
    StartWriter(writer);

    if (append && QFile::exists(path)) {
        // Check the whole file first: a broken file is refused, not half copied.
        KXmlElement probe;
        if (!Load(path, probe, 0))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            qCDebug(lcController) << "open file error." << path;
            return false;
        }
        QXmlStreamReader reader(&file);
        reader.setNamespaceProcessing(false);
        int depth = 0;
        while (!reader.atEnd()) {
            const auto token = reader.readNext();
            if (token == QXmlStreamReader::StartElement) {
                ++depth;
                if (depth == 1) {
                    writer.writeStartElement(reader.name().toString());
                    writer.writeAttributes(reader.attributes());
                    continue;
                }
                // A section of the root: dropped when it is the one being written or the
                // obsolete shared one, copied otherwise.
                const QString name = reader.attributes().value(kLowerName).toString();
                const bool drop = reader.name() == kPortType
                                  && (name == section || name == kNotDistinguish);
                if (drop)
                    reader.skipCurrentElement();
                else
                    CopyElement(reader, writer);
                --depth;
            } else if (token == QXmlStreamReader::EndElement && depth == 1) {
                WriteSection(writer, section);
                writer.writeEndElement();
                --depth;
            } else if (token == QXmlStreamReader::Comment && depth == 1) {
                writer.writeComment(reader.text().toString());
            }
        }
        if (reader.hasError()) {
            qCDebug(lcController) << "setcontent for do error" << path;
            return false;
        }
    } else {
        writer.writeStartElement(kRoot);
        WriteSection(writer, section);
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    // Names and texts taken from a damaged file can be ones the writer puts out but no reader
    // takes back (control characters in a name, say). Such a document must not replace the
    // file: the schedule would be lost for good.
    KXmlElement written;
    if (!ParseXml(out, written, 0)) {
        qCDebug(lcController) << "refused to write an unreadable schedule" << path;
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qCDebug(lcController) << "open file error." << path;
        return false;
    }
    file.write(out);
    return file.commit();
}

} // namespace Ky
