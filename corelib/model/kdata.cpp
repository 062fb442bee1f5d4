#include "kdata.h"

#include "klist.h"

namespace Ky {

const QString KData::NameKey = QStringLiteral("__NAME__");
const QString KData::GuidKey = QStringLiteral("__GUID__");
const QString KData::FileListKey = QStringLiteral("__FileList__");

namespace {
const QString kFileKey = QStringLiteral("FileKey");
const QString kFileName = QStringLiteral("FileName");
const QString kMd5 = QStringLiteral("MD5");
} // namespace

KData::KData() = default;

KData::~KData()
{
    qDeleteAll(m_lists);
}

QString KData::Type()
{
    return QString();
}

KLevel KData::Level()
{
    return LEVEL_NONE;
}

bool KData::SetAttribute(const QString& key, const QString& value, bool force)
{
    if (key.isEmpty())
        return false;
    // A missing attribute reads as a null text, which equals an empty one.
    if (m_attributes.value(key) != value) {
        m_attributes.insert(key, value);
        m_changed = true;
        Q_EMIT AttributeChanged(key);
    } else if (force) {
        Q_EMIT AttributeChanged(key);
    }
    return true;
}

bool KData::SetAttribute(const QString& key, int value, bool force)
{
    return SetAttribute(key, QString::number(value), force);
}

QString KData::GetAttribute(const QString& key) const
{
    if (key.isEmpty())
        return QString();
    return m_attributes.value(key);
}

int KData::GetAttributeToInt(const QString& key) const
{
    return GetAttribute(key).toInt(nullptr, 10);
}

bool KData::HaveAttribute(const QString& key) const
{
    return m_attributes.contains(key);
}

QString KData::name() const
{
    return GetAttribute(NameKey);
}

void KData::set_name(const QString& name)
{
    if (name == this->name())
        return;
    m_attributes.insert(NameKey, name);
    m_changed = true;
}

QString KData::GetGuid() const
{
    return GetAttribute(GuidKey);
}

void KData::SetGuid(const QString& guid)
{
    SetAttribute(GuidKey, guid, false);
}

bool KData::HaveList(const QString& name) const
{
    return m_lists.contains(name);
}

bool KData::SetList(const QString& name, KList* list)
{
    if (name.isEmpty() || !list || m_lists.contains(name))
        return false;
    m_lists.insert(name, list);
    m_changed = true;
    connect(list, &KList::ListChanged, this, &KData::ON_ListChanged);
    return true;
}

KList* KData::GetList(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    if (KList* list = m_lists.value(name))
        return list;
    auto* list = new KList(name);
    SetList(name, list);
    return list;
}

const KList* KData::FileList() const
{
    return m_lists.value(FileListKey);
}

QStringList KData::GetFilePath(const QString& key) const
{
    QStringList names;
    if (const KList* list = FileList()) {
        for (const KList::Item* row : list->items()) {
            if (row->value(kFileKey) == key)
                names.append(row->value(kFileName));
        }
    }
    return names;
}

QString KData::GetFirstFile(const QString& key) const
{
    if (const KList* list = FileList()) {
        for (const KList::Item* row : list->items()) {
            if (row->value(kFileKey) == key)
                return row->value(kFileName);
        }
    }
    return QString();
}

void KData::SetFilePath(const QString& key, const QStringList& names, const QStringList& md5s)
{
    KList* list = GetList(FileListKey);
    for (int row = list->count() - 1; row >= 0; --row) {
        if (list->items().at(row)->value(kFileKey) == key)
            list->RemoveItem(row);
    }
    for (int i = 0; i < names.size(); ++i) {
        KList::Item* row = list->AddItem();
        row->insert(kFileKey, key);
        row->insert(kFileName, names.at(i));
        if (i < md5s.size())
            row->insert(kMd5, md5s.at(i));
    }
    m_changed = true;
}

void KData::SetFilePath(const QString& key, const QString& name, const QString& md5)
{
    KList* list = GetList(FileListKey);
    KList::Item* target = nullptr;
    for (KList::Item* row : list->items()) {
        if (row->value(kFileKey) == key) {
            target = row;
            break;
        }
    }
    if (!target)
        target = list->AddItem();
    target->insert(kFileKey, key);
    target->insert(kFileName, name);
    if (!md5.isEmpty())
        target->insert(kMd5, md5);
    m_changed = true;
}

void KData::ON_ListChanged(const QString& list, int index)
{
    m_changed = true;
    Q_EMIT ListChanged(list, index);
}

} // namespace Ky
