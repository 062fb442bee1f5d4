#pragma once

#include <QtCore/qglobal.h>

#if defined(KESTROVA_SCENERENDER_BUILD)
#define KSCENERENDER_EXPORT Q_DECL_EXPORT
#else
#define KSCENERENDER_EXPORT Q_DECL_IMPORT
#endif
