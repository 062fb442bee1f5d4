#include "knodeinserter.h"

#include "inodeplugin.h"
#include "kappconfig.h"
#include "kcontrollernode.h"
#include "kmodel.h"
#include "knode.h"
#include "kpluginmanager.h"

#include <QFileInfo>

namespace Ky {

namespace {

const QString kProgramKind = QStringLiteral("KY_OrdinaryScene_Plugin");
const QString kAreaKind = QStringLiteral("KY_Frame_Plugin");

} // namespace

KNodeInserter::KNodeInserter(KModel* model) : m_model(model)
{
}

KNodeInserter::Position KNodeInserter::PositionFor(KLevel level, KNode* from) const
{
    Position position;
    if (!m_model || !from || from == m_model->root())
        return position;
    if (from->Level() < level) {
        position.parent = m_model->IndexFromNode(from);
        return position;
    }
    KNode* sibling = from->GetRelationNode(level);
    if (!sibling)
        return position;
    KNode* parent = sibling->parent() ? sibling->parent() : m_model->root();
    position.parent = m_model->IndexFromNode(parent);
    position.row = int(parent->children().indexOf(sibling)) + 1;
    return position;
}

KNode* KNodeInserter::CreateAt(const QString& type, bool callAdd, KNode* from)
{
    INodePlugin* plugin = KPluginManager::instance()->GetPlugin(type);
    if (!plugin || !m_model)
        return nullptr;
    const Position at = PositionFor(plugin->level(), from);
    if (plugin->OverrideNewFile() && !callAdd)
        return plugin->NewFile(m_model, at.parent, at.row);
    return plugin->AddFile(m_model, at.parent, at.row);
}

KNode* KNodeInserter::InsertNode(const QString& type, bool callAdd, const QSize& screenSize,
                                 KNode* from)
{
    KNode* node = CreateAt(type, callAdd, from);
    if (!node)
        return nullptr;
    KNode* deepest = node;
    if (node->Level() == LEVEL_SCREEN) {
        if (auto* screen = qobject_cast<KControllerNode*>(node))
            screen->SetSize(screenSize, QSize(0, 0));
        if (KNode* program = CreateAt(kProgramKind, true, node))
            deepest = program;
    }
    if (deepest->Level() == LEVEL_PROGRAM) {
        if (KNode* area = CreateAt(kAreaKind, true, deepest))
            deepest = area;
    }
    return deepest;
}

QString KNodeInserter::NewProjectPath(const QString& pluginName, const QList<KNode*>& openScreens)
{
    auto taken = [&](const QString& path) {
        if (QFileInfo::exists(path))
            return true;
        for (KNode* node : openScreens) {
            auto* screen = qobject_cast<KControllerNode*>(node);
            if (screen && screen->filePath() == path)
                return true;
        }
        return false;
    };
    const QString base = KAppConfig::WorkDir() + pluginName;
    QString path = base + QStringLiteral(".boo");
    for (int n = 1; taken(path); ++n)
        path = base + QString::number(n) + QStringLiteral(".boo");
    return path;
}

} // namespace Ky
