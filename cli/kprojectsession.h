#pragma once

#include <QString>

#include <memory>

namespace Ky {
class KModel;
class KNode;
class KXmlDataAccess;
} // namespace Ky

namespace Ky::Cli {

// The core objects a project command works on: the loaded plug-ins, an item model and its
// project file reader. The plug-in manager is released when the session ends.
class KProjectSession
{
public:
    KProjectSession();
    ~KProjectSession();

    KModel& model() { return *m_model; }
    KXmlDataAccess& access() { return *m_access; }

    // Opens a project file into the model. Null, with the reason in error, when the file is
    // missing, unreadable, not a project or damaged (a partly read project counts as failed:
    // acting on part of it would produce a wrong send set or a truncated copy).
    KNode* Open(const QString& path, QString* error);

private:
    std::unique_ptr<KModel> m_model;
    KXmlDataAccess* m_access; // owned by the model
};

} // namespace Ky::Cli
