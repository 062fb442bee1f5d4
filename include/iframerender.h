#pragma once

#include <QtGlobal>

namespace Ky {

// Renders an area (or a program's background and border) in the preview.
class IFrameRender
{
public:
    virtual ~IFrameRender() = default;
    virtual void SetLayer(int layer) = 0;
    // A content of the area was selected; index is its row in the area.
    virtual void ShowContent(int index) = 0;
    virtual bool IsPlayFinish() = 0;
    // The render service reported that the area finished that picture.
    virtual void PictureFinish(int pictureIndex) = 0;
    // A content of the area was removed.
    virtual void ContentChanged() = 0;
    virtual void TogglePause() = 0;
    virtual void Start() = 0;
    virtual void Stop() = 0;
    // The area id in the render service.
    virtual quint32 GetSession() = 0;
    virtual void Replay() = 0;
    virtual void AllFinish() = 0;
};

} // namespace Ky
