#include "isvalidip.h"

#include <cstdio>

int IsValidIP(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    unsigned int parts[4] = {0, 0, 0, 0};
    if (std::sscanf(utf8.constData(), "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2],
                    &parts[3]) == 4) {
        for (unsigned int part : parts) {
            if (part > 255)
                return 2;
        }
        return 0;
    }
    const int lastDot = text.lastIndexOf(QLatin1Char('.'));
    const bool dotAfterFirst = text.indexOf(QLatin1Char('.'), 1) > 0;
    if (dotAfterFirst && lastDot != text.size() - 1)
        return 1;
    return 2;
}
