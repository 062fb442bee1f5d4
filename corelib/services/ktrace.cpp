#include "ktrace.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace Ky {

const char* QualifiedFunctionName(const char* prettyFunction, char* buffer, int size)
{
    if (!prettyFunction || size <= 0)
        return "";
    // The name ends at the parameter list's opening parenthesis and starts after the last
    // blank before it (the return type, if any, comes first).
    const char* end = std::strchr(prettyFunction, '(');
    if (!end)
        end = prettyFunction + std::strlen(prettyFunction);
    const char* begin = end;
    while (begin > prettyFunction && begin[-1] != ' ')
        --begin;
    while (*begin == '*' || *begin == '&')
        ++begin;
    const int length = int(end - begin) < size - 1 ? int(end - begin) : size - 1;
    std::memcpy(buffer, begin, size_t(length));
    buffer[length] = '\0';
    return buffer;
}

void Trace(const char* file, const char* prettyFunction, int line, const char* format, ...)
{
    const char* slash = file ? std::strrchr(file, '/') : nullptr;
    char function[256];
    std::printf("[%s::%s::%d]", slash ? slash + 1 : (file ? file : ""),
                QualifiedFunctionName(prettyFunction, function, int(sizeof function)), line);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::fflush(stdout);
}

} // namespace Ky
