#pragma once

#include "renderstate.h"

#include <QtGlobal>

namespace Ky {

// Plays one content node in an area of the preview.
class IContentRender
{
public:
    virtual ~IContentRender() = default;
    // Builds the playback from the node's settings and starts it in the given area.
    virtual void Start(quint32 area) = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Close() = 0;
    virtual void Refresh() {}
    virtual RenderState GetRenderState() = 0;
};

} // namespace Ky
