#pragma once

#include "kcore_global.h"

#include <QString>

// 0: a valid IPv4 address; 1: not four numbers but looks like a host name; 2: anything else.
KCORE_EXPORT int IsValidIP(const QString& text);
