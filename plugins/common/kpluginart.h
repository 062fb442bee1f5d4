#pragma once

#include <QIcon>
#include <QImage>

namespace Ky::PluginArt {

enum class Kind { Screen, Program, Area };

// The icon of a node kind, drawn at run time. Empty without a GUI application, since
// pixmaps need one.
QIcon KindIcon(Kind kind);
// The same drawing as a plain image, usable anywhere.
QImage KindImage(Kind kind, int size);

} // namespace Ky::PluginArt
