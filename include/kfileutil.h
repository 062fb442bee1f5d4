#pragma once

#include "kcore_global.h"

#include <QString>

namespace Ky {

// Deletes the directory at path with everything in it. Links inside it are removed, never
// followed, so nothing outside the directory is touched. Failures of single entries are not
// reported. False when path is not a directory (or is empty or a file-system root, which are
// never deleted), or when the directory is still there afterwards; else true.
KCORE_EXPORT bool removeDirectory(const QString& path);

} // namespace Ky
