#pragma once

#include <QtCore/qglobal.h>

#if defined(KESTROVA_CORELIB_BUILD)
#define KCORE_EXPORT Q_DECL_EXPORT
#else
#define KCORE_EXPORT Q_DECL_IMPORT
#endif
