#include "klist.h"

namespace Ky {

KList::KList(const QString& name)
    : m_name(name)
{
}

KList::~KList()
{
    qDeleteAll(m_items);
}

KList::Item* KList::AddItem()
{
    auto* item = new Item;
    m_items.append(item);
    return item;
}

void KList::Clear()
{
    qDeleteAll(m_items);
    m_items.clear();
    m_index = -1;
}

bool KList::RemoveItem(int row)
{
    if (row < 0 || row >= count())
        return false;
    delete m_items.takeAt(row);
    if (m_items.isEmpty())
        m_index = -1;
    else if (m_index >= count())
        m_index = count() - 1;
    return true;
}

bool KList::SetItemAttribute(int row, const QString& key, const QString& value)
{
    if (row < 0 || row >= count() || key.isEmpty())
        return false;
    m_items[row]->insert(key, value);
    if (row == m_index)
        Q_EMIT ListChanged(m_name, m_index);
    return true;
}

bool KList::SetItemAttribute(int row, const QString& key, int value)
{
    return SetItemAttribute(row, key, QString::number(value));
}

QString KList::GetItemAttribute(int row, const QString& key) const
{
    if (row < 0 || row >= count())
        return QString();
    return m_items[row]->value(key);
}

void KList::set_index(int i)
{
    if (m_items.isEmpty())
        m_index = -1;
    else if (i >= 0 && i < count())
        m_index = i;
    else
        m_index = 0;
    Q_EMIT ListChanged(m_name, m_index);
}

} // namespace Ky
