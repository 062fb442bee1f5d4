#pragma once

#include "kcore_global.h"
#include "ksendfileinfo.h"

#include <QString>

namespace Ky {

// Copies source into dir under the name digest + "." + the source's suffix (just the digest
// when the source has no suffix), the digest being the MD5 of the whole content in
// lower-case hex. The content is read once: hashed while it is copied. An existing file of
// that name is kept (same name, same content). On success fills out, when given, with the
// path in dir and the digest, and returns true. On failure returns false, leaves out alone
// and writes "open [<source>]error" or "copy error" with the error text to the debug output.
KCORE_EXPORT bool CopyUnderDigest(const QString& source, const QString& dir, KSendFileInfo* out);

} // namespace Ky
