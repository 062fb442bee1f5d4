#pragma once

// A small read-only element tree for the controller formats.
//
// The toolkit's DOM parser slows down sharply with many or deeply nested elements, and the
// documents we read come from the network and from operators' files. This tree is built by the
// stream reader in one linear pass; elements below `maxDepth` are checked for well-formedness
// but not kept, because no reader looks that deep.

#include <QString>
#include <QStringList>
#include <QXmlStreamAttributes>

#include <vector>

class QIODevice;
class QDomElement;

namespace Ky {

struct KXmlElement
{
    QString tag;
    QXmlStreamAttributes attributes;
    QString text; // the element's own character data
    std::vector<KXmlElement> children;

    QString attribute(const QString& name) const { return attributes.value(name).toString(); }
    bool hasAttribute(const QString& name) const { return attributes.hasAttribute(name); }
    // The first child with that tag, or null.
    const KXmlElement* child(const QString& tag) const;
};

struct KXmlError
{
    QString message;
    int line = 0;
    int column = 0;
};

// Parses a whole document; false (with the error) when it is not well-formed or has no root.
bool ParseXml(const QByteArray& data, KXmlElement& root, int maxDepth, KXmlError* error = nullptr);
bool ParseXml(QIODevice* device, KXmlElement& root, int maxDepth, KXmlError* error = nullptr);

// The same tree taken from a DOM element (used by the public block readers).
KXmlElement FromDom(const QDomElement& element, int maxDepth);

} // namespace Ky
