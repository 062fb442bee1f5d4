#pragma once

#include "kcore_global.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

namespace Ky {

// A named list of rows; each row maps keys to text. The list owns its rows.
class KCORE_EXPORT KList : public QObject
{
    Q_OBJECT
public:
    using Item = QHash<QString, QString>;

    explicit KList(const QString& name);
    ~KList() override;

    QString name() const { return m_name; }
    int index() const { return m_index; }
    const QList<Item*>& items() const { return m_items; }
    int count() const { return int(m_items.size()); }

    // Appends an empty row; emits nothing and leaves the index alone.
    Item* AddItem();
    // Removes every row; the index becomes -1. Emits nothing.
    void Clear();
    // Removes the row at `row`; false when it does not exist. Emits nothing.
    bool RemoveItem(int row);

    bool SetItemAttribute(int row, const QString& key, const QString& value);
    bool SetItemAttribute(int row, const QString& key, int value);
    QString GetItemAttribute(int row, const QString& key) const;

    void set_index(int i);

Q_SIGNALS:
    void ListChanged(const QString& name, int index);

private:
    const QString m_name;
    int m_index = -1;
    QList<Item*> m_items;
};

} // namespace Ky
