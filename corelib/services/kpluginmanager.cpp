#include "kpluginmanager.h"

#include "icontrollerplugin.h"
#include "inodeclient.h"
#include "inodeplugin.h"
#include "kappconfig.h"
#include "kcontrollernode.h"
#include "ktrace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QXmlStreamReader>

#include <algorithm>

namespace Ky {

KPluginManager* KPluginManager::instance_ = nullptr;

namespace {
int DecimalAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name)).toInt(nullptr, 10);
}
} // namespace

KPluginManager::KPluginManager() = default;

KPluginManager::~KPluginManager() = default;

KPluginManager* KPluginManager::instance()
{
    if (!instance_) {
        instance_ = new KPluginManager;
        instance_->Load();
    }
    return instance_;
}

void KPluginManager::Destroy()
{
    if (!instance_)
        return;
    for (INodePlugin* plugin : std::as_const(instance_->m_all))
        plugin->AppQuit();
    // The root objects are the plug-ins; they go in the all list's order, like AppQuit.
    for (INodePlugin* plugin : std::as_const(instance_->m_all))
        delete instance_->m_rootOf.value(plugin);
    delete instance_;
    instance_ = nullptr;
}

QString KPluginManager::PluginSuffix()
{
#if defined(Q_OS_WIN)
    return QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral(".dylib");
#else
    return QStringLiteral(".so");
#endif
}

void KPluginManager::Load()
{
    const QString dir = KAppConfig::BinDir() + QStringLiteral("plugins");
    if (QFileInfo(dir).isDir())
        LoadDirectory(dir);
    else
        KY_TRACE("can't enter plugins dir!NO plugin Load!\n");
    // Plug-ins linked into the executable itself (tests, single-file builds).
    for (QObject* root : QPluginLoader::staticInstances())
        AddRoot(root);
    Sort();
}

void KPluginManager::LoadDirectory(const QString& dir)
{
    // Sorted by name so that equal priorities resolve the same way on every machine.
    const QStringList names = QDir(dir).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!name.endsWith(PluginSuffix(), Qt::CaseSensitive))
            continue;
        const QString path = dir + QLatin1Char('/') + name;
        QPluginLoader loader(path);
        QObject* root = loader.instance();
        if (!root) {
            KY_TRACE("Lode [%s], Error[%s]\n", qPrintable(path), qPrintable(loader.errorString()));
            continue;
        }
        AddRoot(root);
    }
}

void KPluginManager::AddRoot(QObject* root)
{
    if (!root || m_roots.contains(root))
        return;
    // A controller plug-in also is a node plug-in; look for the wider interface first so a
    // plug-in that declares both keeps its controller role.
    if (auto* controller = qobject_cast<IControllerPlugin*>(root)) {
        m_all.append(controller);
        m_controllers.append(controller);
        m_roots.append(root);
        m_rootOf.insert(controller, root);
    } else if (auto* node = qobject_cast<INodePlugin*>(root)) {
        m_all.append(node);
        m_roots.append(root);
        m_rootOf.insert(node, root);
    }
}

void KPluginManager::ReadConfig(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        INodePlugin* plugin = GetPlugin(reader.name().toString());
        if (!plugin)
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        plugin->Index = DecimalAttribute(attributes, "Index");
        plugin->Priority = DecimalAttribute(attributes, "Priority");
        plugin->Default = DecimalAttribute(attributes, "Default");
    }
}

void KPluginManager::Sort()
{
    // The data root's copy wins over the default shipped beside the executable.
    const QString own = KAppConfig::AppDir() + QStringLiteral("PluginConfig.xml");
    ReadConfig(QFileInfo::exists(own) ? own
                                      : KAppConfig::BinDir() + QStringLiteral("PluginConfig.xml"));
    std::stable_sort(m_all.begin(), m_all.end(), [](INodePlugin* a, INodePlugin* b) {
        if (a->Priority != b->Priority)
            return a->Priority < b->Priority;
        return a->Index < b->Index;
    });
    for (INodePlugin* plugin : std::as_const(m_all)) {
        switch (plugin->level()) {
        case LEVEL_PROGRAM:
            m_programs.append(plugin);
            break;
        case LEVEL_AREA:
            m_areas.append(plugin);
            break;
        case LEVEL_CONTENT:
            m_contents.append(plugin);
            break;
        default:
            break;
        }
        if (plugin->OverrideNewFile())
            m_override.append(plugin);
    }
}

INodePlugin* KPluginManager::GetPlugin(const QString& type) const
{
    if (type.isEmpty())
        return nullptr;
    for (INodePlugin* plugin : m_all) {
        if (plugin->type() == type)
            return plugin;
    }
    return nullptr;
}

bool KPluginManager::HavePlugin(const QString& type) const
{
    return GetPlugin(type) != nullptr;
}

KNode* KPluginManager::Create(const QString& type) const
{
    INodePlugin* plugin = GetPlugin(type);
    return plugin ? plugin->Create() : nullptr;
}

QIcon KPluginManager::GetIcon(const QString& type) const
{
    INodePlugin* plugin = GetPlugin(type);
    return plugin ? plugin->icon() : QIcon();
}

INodeClient* KPluginManager::GetClient(KNode* node) const
{
    if (!node)
        return nullptr;
    INodePlugin* plugin = GetPlugin(node->Type());
    INodeClient* client = plugin ? plugin->GetClient() : nullptr;
    if (client)
        client->SetNode(node);
    return client;
}

IContentRender* KPluginManager::GetAreaRender(KNode* node) const
{
    INodePlugin* plugin = node ? GetPlugin(node->Type()) : nullptr;
    return plugin ? plugin->CreateAreaRender(node) : nullptr;
}

IFrameRender* KPluginManager::GetFrameRender(KNode* node) const
{
    INodePlugin* plugin = node ? GetPlugin(node->Type()) : nullptr;
    return plugin ? plugin->CreateFrameRender(node) : nullptr;
}

IControllerPlugin* KPluginManager::GetControllerPlugin(const QString& type) const
{
    if (type.isEmpty())
        return nullptr;
    for (IControllerPlugin* plugin : m_controllers) {
        if (plugin->type() == type)
            return plugin;
    }
    return nullptr;
}

bool KPluginManager::SuportController(const QString& pluginType,
                                      const QString& controllerType) const
{
    INodePlugin* plugin = GetPlugin(pluginType);
    return plugin && plugin->SuportController(controllerType);
}

IControllerPlugin* KPluginManager::ControllerOf(KNode* node, QString* model) const
{
    KControllerNode* screen = node ? node->GetScreenNode() : nullptr;
    if (!screen)
        return nullptr;
    *model = screen->GetDeviceModel();
    return GetControllerPlugin(screen->Type());
}

bool KPluginManager::SuportAlphaBlend(KNode* node) const
{
    QString model;
    IControllerPlugin* controller = ControllerOf(node, &model);
    return controller ? controller->SuportAlphaBlend(model) : true;
}

bool KPluginManager::SuportAudio(KNode* node) const
{
    QString model;
    IControllerPlugin* controller = ControllerOf(node, &model);
    return controller ? controller->SuportAudio(model) : true;
}

bool KPluginManager::NeedTranscoding(KNode* node) const
{
    QString model;
    IControllerPlugin* controller = ControllerOf(node, &model);
    return controller ? controller->NeedTranscoding(model) : false;
}

void KPluginManager::AppQuit()
{
    for (INodePlugin* plugin : std::as_const(m_all))
        plugin->AppQuit();
}

void KPluginManager::D3DLoseDevice()
{
    for (INodePlugin* plugin : std::as_const(m_all))
        plugin->D3DLoseDevice();
}

} // namespace Ky
