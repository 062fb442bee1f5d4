#include "operatebrightnessxml.h"

#include "klist.h"

#include <QDomDocument>
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

bool Parse(const QString& path, QDomDocument& doc)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcController) << "open file error." << path;
        return false;
    }
    if (!doc.setContent(&file, false)) {
        qCDebug(lcController) << "setcontent for do error" << path;
        return false;
    }
    return true;
}

QDomDocument NewDocument()
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    doc.appendChild(doc.createElement(kRoot));
    return doc;
}

bool Save(const QString& path, const QDomDocument& doc)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qCDebug(lcController) << "open file error." << path;
        return false;
    }
    file.write(doc.toByteArray(kIndent));
    return file.commit();
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
    QDomDocument doc;
    if (!Parse(path, doc))
        return names;
    for (QDomElement e = doc.documentElement().firstChildElement(kPortType); !e.isNull();
         e = e.nextSiblingElement(kPortType))
        names << e.attribute(kLowerName);
    return names;
}

bool OperateBrightnessXml::read(const QString& path, const QString& section)
{
    m_path = path;
    QDomDocument doc;
    if (!Parse(path, doc))
        return false;
    for (QDomElement port = doc.documentElement().firstChildElement(kPortType); !port.isNull();
         port = port.nextSiblingElement(kPortType)) {
        if (port.attribute(kLowerName) != section)
            continue;
        for (QDomElement e = port.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
            const QString name = e.attribute(kName);
            if (name.isEmpty())
                continue;
            if (e.tagName() == kAttribute) {
                SetAttribute(name, e.text());
            } else if (e.tagName() == kList) {
                if (m_lists.contains(name))
                    continue; // the first list of a name wins
                auto* list = new KList(name);
                for (QDomElement item = e.firstChildElement(kListItem); !item.isNull();
                     item = item.nextSiblingElement(kListItem)) {
                    KList::Item* row = list->AddItem();
                    const QDomNamedNodeMap attrs = item.attributes();
                    for (int i = 0; i < attrs.count(); ++i) {
                        const QDomAttr a = attrs.item(i).toAttr();
                        row->insert(a.name(), a.value());
                    }
                }
                m_lists.insert(name, list);
            }
        }
    }
    return true;
}

bool OperateBrightnessXml::writer(const QString& path, const QString& section, bool append)
{
    m_path = path;
    QDomDocument doc;
    if (append && QFile::exists(path)) {
        if (!Parse(path, doc))
            return false;
        if (doc.documentElement().isNull())
            doc.appendChild(doc.createElement(kRoot));
    } else {
        doc = NewDocument();
    }
    QDomElement root = doc.documentElement();

    if (append) {
        QList<QDomElement> stale;
        for (QDomElement e = root.firstChildElement(kPortType); !e.isNull();
             e = e.nextSiblingElement(kPortType)) {
            const QString name = e.attribute(kLowerName);
            if (name == section || name == kNotDistinguish)
                stale << e;
        }
        for (QDomElement& e : stale)
            root.removeChild(e);
    }

    QDomElement port = doc.createElement(kPortType);
    port.setAttribute(kLowerName, section);
    for (auto it = m_attributes.cbegin(); it != m_attributes.cend(); ++it) {
        QDomElement a = doc.createElement(kAttribute);
        a.setAttribute(kName, it.key());
        a.appendChild(doc.createTextNode(it.value()));
        port.appendChild(a);
    }
    // Lists in name order so that the same content always gives the same file.
    QStringList listNames = m_lists.keys();
    std::sort(listNames.begin(), listNames.end());
    for (const QString& name : listNames) {
        QDomElement l = doc.createElement(kList);
        l.setAttribute(kName, name);
        for (const KList::Item* row : m_lists.value(name)->items()) {
            QDomElement item = doc.createElement(kListItem);
            QStringList keys = row->keys();
            std::sort(keys.begin(), keys.end());
            for (const QString& key : keys)
                item.setAttribute(key, row->value(key));
            l.appendChild(item);
        }
        port.appendChild(l);
    }
    root.appendChild(port);
    return Save(path, doc);
}

} // namespace Ky
