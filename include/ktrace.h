#pragma once

#include "kcore_global.h"

// Diagnostics on standard output, each line starting "[file::function::line]".
// Not shown to the operator.
#define KY_TRACE(...) ::Ky::Trace(__FILE__, __PRETTY_FUNCTION__, __LINE__, __VA_ARGS__)

namespace Ky {

KCORE_EXPORT void Trace(const char* file, const char* prettyFunction, int line,
                        const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 4, 5)))
#endif
    ;

// "Ky::KModel::insertRows" from a compiler's full function signature.
KCORE_EXPORT const char* QualifiedFunctionName(const char* prettyFunction, char* buffer,
                                               int size);

} // namespace Ky
