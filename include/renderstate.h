#pragma once

namespace Ky {

// Who ends a content's playback in the preview.
enum RenderState {
    RENDER_BY_SESSION = 0,   // the render service's effect and hold timing ends the content
    RENDER_BY_ENGINE = 1,    // the engine reports the end of every loop itself
    RENDER_FILE_MISSING = 2  // the content's file does not exist
};

} // namespace Ky
