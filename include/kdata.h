#pragma once

#include "kcore_global.h"
#include "klevel.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Ky {

class KList;

// The attribute store behind every project object: named text attributes plus named lists
// of rows, with a changed flag and change signals.
class KCORE_EXPORT KData : public QObject
{
    Q_OBJECT
public:
    using AttributeMap = QMap<QString, QString>;
    using ListMap = QHash<QString, KList*>;

    static const QString NameKey;     // "__NAME__"
    static const QString GuidKey;     // "__GUID__"
    static const QString FileListKey; // "__FileList__"

    KData();
    ~KData() override;

    virtual QString Type();
    virtual KLevel Level();

    bool SetAttribute(const QString& key, const QString& value, bool force = false);
    bool SetAttribute(const QString& key, int value, bool force = false);
    QString GetAttribute(const QString& key) const;
    int GetAttributeToInt(const QString& key) const;
    bool HaveAttribute(const QString& key) const;

    QString name() const;
    void set_name(const QString& name);
    QString GetGuid() const;
    void SetGuid(const QString& guid);

    bool HaveList(const QString& name) const;
    bool SetList(const QString& name, KList* list);
    KList* GetList(const QString& name);

    // Direct access for serialisation and cloning; changes made here set no flag.
    AttributeMap& attributes() { return m_attributes; }
    const AttributeMap& attributes() const { return m_attributes; }
    ListMap& lists() { return m_lists; }
    const ListMap& lists() const { return m_lists; }

    QStringList GetFilePath(const QString& key) const;
    QString GetFirstFile(const QString& key) const;
    void SetFilePath(const QString& key, const QStringList& names, const QStringList& md5s);
    void SetFilePath(const QString& key, const QString& name, const QString& md5);

    bool changed() const { return m_changed; }
    void set_changed(bool changed) { m_changed = changed; }

Q_SIGNALS:
    void AttributeChanged(const QString& attribute);
    void ListChanged(const QString& list, int index);

public Q_SLOTS:
    void ON_ListChanged(const QString& list, int index);

private:
    const KList* FileList() const;

    bool m_changed = true;
    AttributeMap m_attributes;
    ListMap m_lists;
};

} // namespace Ky
