#include "klog.h"

#include <cstdarg>
#include <mutex>

namespace {
std::mutex g_logMutex;
FILE* g_log = nullptr;
} // namespace

FILE* OpenLog(const char* path)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    if (g_log) {
        std::fclose(g_log);
        g_log = nullptr;
    }
    if (path)
        g_log = std::fopen(path, "wt+");
    return g_log;
}

void LOGDEBUG(const char* format, ...)
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    if (!g_log || !format)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(g_log, format, args);
    va_end(args);
    std::fflush(g_log);
}

void CloseLog()
{
    std::lock_guard<std::mutex> lock(g_logMutex);
    if (g_log) {
        std::fclose(g_log);
        g_log = nullptr;
    }
}
