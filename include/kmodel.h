#pragma once

#include "kcore_global.h"
#include "klevel.h"
#include "ksendfileinfo.h"

#include <QAbstractItemModel>
#include <QList>
#include <QPointer>
#include <QString>

namespace Ky {

class IDataAccess;
class KNode;

// The item model over the project tree: one screen per open project under an invisible root
// node the model owns. Opens, saves and exports project files through its IDataAccess,
// inserts nodes made by the plug-in manager, moves nodes by drag and drop as node documents
// and builds the send directory of a screen.
class KCORE_EXPORT KModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    static const QString MimeType; // "application/vnd.tarvik.xml.task.z"

    explicit KModel(QObject* parent = nullptr);
    ~KModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool insertColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

    // Creates count nodes of the insert type (InitInsert) at row of parent.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    // Takes ownership; null is ignored.
    void SetDataAccess(IDataAccess* access);
    void InitInsert(const QString& type);
    KNode* root() const { return m_root; }

    // The index's node; the root for an invalid index.
    KNode* NodeFromIndex(const QModelIndex& index) const;
    // The node's index; the invalid index (which stands for the root) for null or the root.
    QModelIndex IndexFromNode(KNode* node) const;

    // Inserts node at row of parent's node (appended when row is out of range).
    void AddNode(int row, const QModelIndex& parent, KNode* node);
    // Pastes node, which is not in the tree yet, at row of parent; lets the kinds duplicate
    // their media first (Copy).
    void insertRows(int row, KNode* node, KNode* parent);

    void MoveUp(const QModelIndex& index);
    void MoveDown(const QModelIndex& index);

    // Reads a project file as a new screen; null (after a warning for a bad file) on failure.
    KNode* Open(const QString& path);
    bool Save(KNode* node, const QString& path);
    // Writes node's screen with its media into dir, under the screen file's name.
    bool Export(KNode* node, const QString& dir);
    // Builds the send directory of a screen in dir: digest-named media, "config.boo" and its
    // digest-named copy. Appends one entry per file to files, the configuration copy last.
    // False, with files as before and a reason in error (when given), when the set could not
    // be made completely.
    bool Generator(KNode* node, QString dir, QList<KSendFileInfo>& files,
                   QString* error = nullptr);

Q_SIGNALS:
    void refreshLevel();

private Q_SLOTS:
    void RefreshLevel();

private:
    QString m_insertType;
    KNode* m_root = nullptr;
    IDataAccess* m_dataAccess = nullptr;
    // Matches no level before the first drag.
    mutable int m_dragLevel = -1;
    // Only a sign that a drag from this model is under way; clears itself when the node goes.
    mutable QPointer<KNode> m_dragSource;
};

} // namespace Ky
