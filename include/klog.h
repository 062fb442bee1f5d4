#pragma once

#include "kcore_global.h"

#include <cstdio>

// The process log ("log.txt"). Only the launcher opens it; everything may write to it.
// Writing while no log is open does nothing.
KCORE_EXPORT FILE* OpenLog(const char* path);
KCORE_EXPORT void LOGDEBUG(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
KCORE_EXPORT void CloseLog();
