#pragma once

#include "kcore_global.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

class QXmlStreamWriter;

namespace Ky {

class KList;

// Reader and writer of the brightness schedule file: one "PortType" section at a time, kept
// as named text attributes and named lists of rows.
class KCORE_EXPORT OperateBrightnessXml
{
public:
    OperateBrightnessXml();
    ~OperateBrightnessXml();
    // The lists are owned; copying would have to deep-copy them and nothing needs it.
    OperateBrightnessXml(const OperateBrightnessXml&) = delete;
    OperateBrightnessXml& operator=(const OperateBrightnessXml&) = delete;

    QString GetAttribute(const QString& name) const;
    void SetAttribute(const QString& name, const QString& text);
    void SetAttribute(const QString& name, int value);

    // The list of that name, created empty when absent; null for an empty name.
    KList* GetList(const QString& name);
    // Takes ownership of list under a new, non-empty name; false (and the caller keeps the
    // list) otherwise.
    bool SetList(const QString& name, KList* list);

    const QMap<QString, QString>& attributes() const { return m_attributes; }
    const QHash<QString, KList*>& lists() const { return m_lists; }
    QString path() const { return m_path; }

    // The "name" of every "PortType" of the file, in document order; empty when the file
    // cannot be opened or parsed.
    static QStringList GetPortTypeList(const QString& path);

    // Loads every section named `section` on top of what is held already.
    bool read(const QString& path, const QString& section);
    // Writes what is held as `section`: merged into the file (append) or as the whole file.
    bool writer(const QString& path, const QString& section, bool append);

private:
    void WriteSection(QXmlStreamWriter& writer, const QString& section) const;

    QMap<QString, QString> m_attributes;
    QHash<QString, KList*> m_lists;
    QString m_path;
};

} // namespace Ky
