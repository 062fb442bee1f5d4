#pragma once

namespace Ky {

// Where a node kind sits in the project tree.
enum KLevel {
    LEVEL_ROOT = 0,    // invisible top of the item model, parent of the screens
    LEVEL_SCREEN = 1,  // KControllerNode
    LEVEL_PROGRAM = 2, // KSceneNode
    LEVEL_AREA = 3,    // KFrameNode
    LEVEL_CONTENT = 4, // KContentNode and its kinds
    LEVEL_NONE = 5     // plain stores, plain nodes and borders
};

} // namespace Ky
