#pragma once

#include <QtCore/qglobal.h>

#if defined(KESTROVA_OSKIT_BUILD)
#define KOSKIT_EXPORT Q_DECL_EXPORT
#else
#define KOSKIT_EXPORT Q_DECL_IMPORT
#endif
