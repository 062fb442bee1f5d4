#pragma once

#include "kcore_global.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

class QObject;

namespace Ky {

class IContentRender;
class IControllerPlugin;
class IFrameRender;
class INodeClient;
class INodePlugin;
class KNode;

// The registry of node and controller plug-ins. Loads every plug-in of BinDir/plugins (and
// the plug-ins linked in statically) once, orders them by "PluginConfig.xml" and answers
// lookups by type name, level and node.
class KCORE_EXPORT KPluginManager
{
public:
    static KPluginManager* instance();
    static void Destroy();

    INodePlugin* GetPlugin(const QString& type) const;
    bool HavePlugin(const QString& type) const;
    KNode* Create(const QString& type) const;
    QIcon GetIcon(const QString& type) const;
    INodeClient* GetClient(KNode* node) const;
    IContentRender* GetAreaRender(KNode* node) const;
    IFrameRender* GetFrameRender(KNode* node) const;

    IControllerPlugin* GetControllerPlugin(const QString& type) const;
    QList<IControllerPlugin*> GetControllerPlugin() const { return m_controllers; }
    QList<INodePlugin*> GetScenePlugin() const { return m_programs; }
    QList<INodePlugin*> GetFramePlugin() const { return m_areas; }
    QList<INodePlugin*> GetContentPlugin() const { return m_contents; }
    QList<INodePlugin*> GetOverrideNewFilePlugin() const { return m_override; }
    QList<INodePlugin*> AllPlugins() const { return m_all; }

    bool SuportController(const QString& pluginType, const QString& controllerType) const;
    bool SuportAlphaBlend(KNode* node) const;
    bool SuportAudio(KNode* node) const;
    bool NeedTranscoding(KNode* node) const;

    void AppQuit();
    void D3DLoseDevice();

    // The file name suffix of loadable plug-in libraries on this platform (case-sensitive).
    static QString PluginSuffix();

private:
    KPluginManager();
    ~KPluginManager();

    void Load();
    void LoadDirectory(const QString& dir);
    void AddRoot(QObject* root);
    void Sort();
    void ReadConfig(const QString& path);
    IControllerPlugin* ControllerOf(KNode* node, QString* model) const;

    QList<IControllerPlugin*> m_controllers;
    QList<INodePlugin*> m_areas;
    QList<INodePlugin*> m_programs;
    QList<INodePlugin*> m_contents;
    QList<INodePlugin*> m_override;
    QList<INodePlugin*> m_all;
    QList<QObject*> m_roots;
    QHash<INodePlugin*, QObject*> m_rootOf;

    static KPluginManager* instance_;
};

} // namespace Ky
