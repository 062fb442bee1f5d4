#include "kxmlelement.h"

#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QIODevice>
#include <QXmlStreamReader>

namespace Ky {

namespace {

// The reader's attributes share its text buffer; kept as they are, later tokens make the
// reader copy that buffer, which turns a document of many elements quadratic. Ordinary
// attributes are copied out; one of a huge value (a table) is cheaper kept shared.
QXmlStreamAttributes OwnAttributes(const QXmlStreamAttributes& read)
{
    constexpr qsizetype kCopiedValueChars = 64 * 1024;
    for (const QXmlStreamAttribute& a : read) {
        if (a.value().size() > kCopiedValueChars)
            return read;
    }
    QXmlStreamAttributes own;
    own.reserve(read.size());
    for (const QXmlStreamAttribute& a : read)
        own.append(a.namespaceUri().toString(), a.name().toString(), a.value().toString());
    return own;
}

bool Parse(QXmlStreamReader& reader, KXmlElement& root, int maxDepth, KXmlError* error)
{
    reader.setNamespaceProcessing(false);
    std::vector<KXmlElement*> open; // the kept elements that are open, root first
    int depth = -1;                 // of the current element, root 0
    bool haveRoot = false;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 0) {
                root = KXmlElement();
                root.tag = reader.name().toString();
                root.attributes = OwnAttributes(reader.attributes());
                open.push_back(&root);
                haveRoot = true;
            } else if (depth <= maxDepth && int(open.size()) == depth) {
                KXmlElement& parent = *open.back();
                parent.children.emplace_back();
                KXmlElement& e = parent.children.back();
                e.tag = reader.name().toString();
                e.attributes = OwnAttributes(reader.attributes());
                open.push_back(&e);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (int(open.size()) == depth + 1)
                open.pop_back();
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (depth >= 0 && int(open.size()) == depth + 1)
                open.back()->text += reader.text();
            break;
        default:
            break;
        }
    }
    if (!reader.hasError() && !haveRoot)
        reader.raiseError(QStringLiteral("Start tag expected."));
    if (reader.hasError()) {
        if (error) {
            error->message = reader.errorString();
            error->line = int(reader.lineNumber());
            error->column = int(reader.columnNumber());
        }
        return false;
    }
    return true;
}

void CopyDom(const QDomElement& from, KXmlElement& to, int depthLeft)
{
    to.tag = from.tagName();
    const QDomNamedNodeMap attrs = from.attributes();
    for (int i = 0; i < attrs.count(); ++i) {
        const QDomAttr a = attrs.item(i).toAttr();
        to.attributes.append(a.name(), a.value());
    }
    for (QDomNode n = from.firstChild(); !n.isNull(); n = n.nextSibling()) {
        if (n.isText() || n.isCDATASection()) {
            to.text += n.toCharacterData().data();
        } else if (n.isElement() && depthLeft > 0) {
            to.children.emplace_back();
            CopyDom(n.toElement(), to.children.back(), depthLeft - 1);
        }
    }
}

} // namespace

const KXmlElement* KXmlElement::child(const QString& name) const
{
    for (const KXmlElement& c : children) {
        if (c.tag == name)
            return &c;
    }
    return nullptr;
}

bool ParseXml(const QByteArray& data, KXmlElement& root, int maxDepth, KXmlError* error)
{
    QXmlStreamReader reader(data);
    return Parse(reader, root, maxDepth, error);
}

bool ParseXml(QIODevice* device, KXmlElement& root, int maxDepth, KXmlError* error)
{
    QXmlStreamReader reader(device);
    return Parse(reader, root, maxDepth, error);
}

KXmlElement FromDom(const QDomElement& element, int maxDepth)
{
    KXmlElement e;
    if (!element.isNull())
        CopyDom(element, e, maxDepth);
    return e;
}

} // namespace Ky
