#include "kmodel.h"

#include "idataaccess.h"
#include "kcontrollernode.h"
#include "kdigestcopy.h"
#include "kfileutil.h"
#include "knode.h"
#include "kopaquenode.h"
#include "kpluginmanager.h"
#include "kprompt.h"
#include "ktrace.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include <algorithm>

namespace Ky {

const QString KModel::MimeType = QStringLiteral("application/vnd.tarvik.xml.task.z");

KModel::KModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(new KNode)
{
}

KModel::~KModel()
{
    delete m_root;
    delete m_dataAccess;
}

QModelIndex KModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!m_root || row < 0 || column < 0 || column >= columnCount(parent))
        return QModelIndex();
    KNode* node = NodeFromIndex(parent);
    if (!node || row >= node->children().size())
        return QModelIndex();
    return createIndex(row, column, node->children().at(row));
}

QModelIndex KModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    KNode* node = NodeFromIndex(index);
    KNode* parent = node ? node->parent() : nullptr;
    if (!parent || parent == m_root || !parent->parent())
        return QModelIndex();
    return createIndex(int(parent->parent()->children().indexOf(parent)), 0, parent);
}

int KModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_root ? int(m_root->children().size()) : 0;
    if (parent.column() != 0)
        return 0;
    KNode* node = NodeFromIndex(parent);
    return node ? int(node->children().size()) : 0;
}

int KModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant KModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    KNode* node = NodeFromIndex(index);
    if (!node)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->name();
    case Qt::DecorationRole:
        return KPluginManager::instance()->GetIcon(node->Type());
    default:
        return QVariant();
    }
}

bool KModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    KNode* node = NodeFromIndex(index);
    if (text.isEmpty() || !node)
        return false;
    node->set_name(text);
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant KModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

bool KModel::setHeaderData(int, Qt::Orientation, const QVariant&, int)
{
    return false;
}

bool KModel::insertColumns(int, int, const QModelIndex&)
{
    return true;
}

Qt::ItemFlags KModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags result = QAbstractItemModel::flags(index) | Qt::ItemIsSelectable
        | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsEnabled;
    KNode* node = NodeFromIndex(index);
    // An item of a missing kind is kept as read: its name is part of the kept element and
    // nothing is dropped into it.
    if (qobject_cast<KOpaqueNode*>(node))
        return result & ~Qt::ItemIsEditable;
    if (node && node->Level() + 1 == m_dragLevel)
        result |= Qt::ItemIsDropEnabled;
    return result;
}

QStringList KModel::mimeTypes() const
{
    return {MimeType};
}

QMimeData* KModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.size() != 1 || !m_dataAccess)
        return nullptr;
    KNode* node = NodeFromIndex(indexes.first());
    m_dragSource = node;
    if (!node)
        return nullptr;
    QByteArray document;
    m_dataAccess->WriteNode(node, document);
    auto* data = new QMimeData;
    data->setData(MimeType, document);
    m_dragLevel = node->Level();
    return data;
}

bool KModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                          const QModelIndex& parent)
{
    if (action != Qt::MoveAction || column > 0 || !data || !parent.isValid()
        || !data->hasFormat(MimeType) || !m_dragSource || !m_dataAccess)
        return false;
    KNode* target = NodeFromIndex(parent);
    if (!target || qobject_cast<KOpaqueNode*>(target))
        return false;
    const int count = int(target->children().size());
    // Read in place, so the copy finds its screen, program and area while it is built.
    KNode* copy = m_dataAccess->ReadNode(data->data(MimeType), target);
    if (!copy)
        return false;
    // Take it out again and put it back with the views told.
    target->RemoveChild(copy);
    if (copy->Level() == target->Level()) {
        // A node cannot become the child of a node of its own level. Refused, so the view
        // keeps the dragged node where it was.
        delete copy;
        return false;
    }
    // The copy takes position max(row, 0); the node that stood there moves to the end.
    const int position = std::min(std::max(row, 0), count);
    beginInsertRows(parent, position, position);
    target->InsertChild(position, copy);
    endInsertRows();
    const int displaced = position + 1;
    if (displaced < count) {
        beginMoveRows(parent, displaced, displaced, parent, count + 1);
        target->MoveChild(displaced, count);
        endMoveRows();
    }
    // The view rebuilds once the toolkit has finished the drop.
    QTimer::singleShot(2, this, &KModel::RefreshLevel);
    return true;
}

Qt::DropActions KModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

Qt::DropActions KModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool KModel::insertRows(int row, int count, const QModelIndex& parent)
{
    KNode* node = NodeFromIndex(parent);
    KY_TRACE("inset node [%s]\n", m_insertType.toUtf8().constData());
    if (m_insertType.isEmpty() || !node || count < 1)
        return false;
    QList<KNode*> created;
    for (int i = 0; i < count; ++i) {
        KNode* child = KPluginManager::instance()->Create(m_insertType);
        if (!child) {
            qDeleteAll(created);
            return false;
        }
        created.append(child);
    }
    const int size = int(node->children().size());
    const int position = row < 0 || row > size ? size : row;
    beginInsertRows(parent, position, position + count - 1);
    for (KNode* child : std::as_const(created))
        node->InsertChild(position, child);
    endInsertRows();
    return true;
}

bool KModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (!m_root || row < 0 || count < 1 || row + count > rowCount(parent))
        return false;
    KNode* node = NodeFromIndex(parent);
    beginRemoveRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        KNode* child = node->children().takeAt(row);
        child->set_parent(nullptr);
        // Delete() is not called: the media files stay.
        delete child;
    }
    endRemoveRows();
    return true;
}

void KModel::SetDataAccess(IDataAccess* access)
{
    if (!access || access == m_dataAccess)
        return;
    delete m_dataAccess;
    m_dataAccess = access;
}

void KModel::InitInsert(const QString& type)
{
    m_insertType = type;
}

KNode* KModel::NodeFromIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_root;
    return static_cast<KNode*>(index.internalPointer());
}

QModelIndex KModel::IndexFromNode(KNode* node) const
{
    if (!node || node == m_root || !node->parent())
        return QModelIndex();
    const QList<KNode*>& siblings = node->parent()->children();
    const qsizetype row = siblings.indexOf(node);
    return createIndex(int(row < 0 ? siblings.size() : row), 0, node);
}

void KModel::AddNode(int row, const QModelIndex& parent, KNode* node)
{
    KNode* target = NodeFromIndex(parent);
    if (!node || !target)
        return;
    const int size = int(target->children().size());
    const int position = row < 0 || row > size ? size : row;
    beginInsertRows(parent, position, position);
    target->InsertChild(position, node);
    endInsertRows();
    if (node->Level() == LEVEL_SCREEN) {
        beginResetModel();
        endResetModel();
    }
}

void KModel::insertRows(int row, KNode* node, KNode* parent)
{
    if (!node || !parent)
        return;
    const int size = int(parent->children().size());
    const int position = row < 0 || row > size ? size : row;
    beginInsertRows(IndexFromNode(parent), position, position);
    for (KNode* child : std::as_const(node->children()))
        child->Copy();
    node->Copy();
    parent->InsertChild(position, node);
    endInsertRows();
}

void KModel::MoveUp(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    KNode* node = NodeFromIndex(index);
    KNode* parent = node ? node->parent() : nullptr;
    const int row = index.row();
    if (!parent || row < 1 || row >= parent->children().size())
        return;
    const QModelIndex parentIndex = index.parent();
    if (!beginMoveRows(parentIndex, row, row, parentIndex, row - 1))
        return;
    parent->SwapChild(row, row - 1);
    endMoveRows();
}

void KModel::MoveDown(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    KNode* node = NodeFromIndex(index);
    KNode* parent = node ? node->parent() : nullptr;
    const int row = index.row();
    if (!parent || row < 0 || row + 1 >= parent->children().size())
        return;
    beginResetModel();
    parent->SwapChild(row, row + 1);
    endResetModel();
}

KNode* KModel::Open(const QString& path)
{
    if (!m_dataAccess || !QFileInfo::exists(path))
        return nullptr;
    // Read detached and attached with the reset, so the views never see a half-read screen.
    KNode* node = m_dataAccess->Read(path, nullptr);
    if (!node) {
        Prompt::Warning(nullptr, tr("Warning"), tr("Open %1 error!").arg(path), QMessageBox::Ok);
        return nullptr;
    }
    beginResetModel();
    m_root->AddChild(node);
    if (KControllerNode* screen = node->GetScreenNode())
        screen->SetFilePath(path);
    endResetModel();
    return node;
}

bool KModel::Save(KNode* node, const QString& path)
{
    return m_dataAccess && node && m_dataAccess->Write(node, path);
}

bool KModel::Export(KNode* node, const QString& dir)
{
    KControllerNode* screen = node ? node->GetScreenNode() : nullptr;
    if (!screen || !m_dataAccess)
        return false;
    const QString target = dir + QLatin1Char('/') + QFileInfo(screen->filePath()).fileName();
    if (!m_dataAccess->Write(screen, target))
        return false;
    KNode* copy = m_dataAccess->Read(target, nullptr);
    if (!copy)
        return false;
    copy->Export(target);
    const bool written = m_dataAccess->Write(copy, target);
    delete copy;
    return written;
}

bool KModel::Generator(KNode* node, QString dir, QList<KSendFileInfo>& files, QString* error)
{
    const qsizetype before = files.size();
    auto fail = [&](const QString& reason) {
        files.resize(before);
        if (error)
            *error = reason;
        return false;
    };
    if (!node || !m_dataAccess)
        return fail(tr("Nothing to generate."));
    // An empty directory would make the root the send directory, which is then cleared.
    if (dir.isEmpty() || QDir(dir).isRoot())
        return fail(tr("No output directory."));
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    const QString config = dir + QStringLiteral("config.boo");

    removeDirectory(dir);
    if (!QDir().mkpath(dir))
        return fail(tr("Cannot create the directory %1.").arg(dir));
    if (!QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return fail(tr("Cannot clear the directory %1.").arg(dir));

    if (!m_dataAccess->Write(node, config))
        return fail(tr("Cannot write %1.").arg(config));
    KNode* copy = m_dataAccess->Read(config, nullptr);
    if (!copy)
        return fail(tr("Cannot read back %1.").arg(config));
    copy->Generator(dir, files);
    const bool written = m_dataAccess->Write(copy, config);
    delete copy;
    if (!written)
        return fail(tr("Cannot write %1.").arg(config));
    // A kind whose copy failed must not leave an entry for a file that is not there.
    for (qsizetype i = before; i < files.size(); ++i) {
        if (!QFileInfo(files.at(i).path).isFile())
            return fail(tr("The media file %1 was not written.").arg(files.at(i).path));
    }
    KSendFileInfo entry;
    if (!CopyUnderDigest(config, dir, &entry))
        return fail(tr("Cannot copy %1 under its digest.").arg(config));
    files.append(entry);
    return true;
}

void KModel::RefreshLevel()
{
    Q_EMIT refreshLevel();
}

} // namespace Ky
