// The render-service calls: thin forwards to the compositor.

#include "scenerender.h"

#include "kcompositor.h"
#include "keffectgeometry.h"

using Ky::KCompositor;

namespace {

KCompositor& service()
{
    return KCompositor::instance();
}

} // namespace

bool CreateRenderer()
{
    return service().Create();
}

bool InitRenderer(QObject* window, int width, int height, int interval)
{
    return service().Init(window, width, height, interval);
}

bool StartRenderer()
{
    return service().Start();
}

bool GetD3DDevice(quint32* first, quint32* second)
{
    return service().Device(first, second);
}

bool SetDevice(quint32 device)
{
    return service().SetDevice(device);
}

bool UpdateWindowSize(int width, int height)
{
    return service().Resize(width, height);
}

bool SetPlayStatus(int status)
{
    return service().SetPlayStatus(status);
}

void SwitchAlphaFun(bool on)
{
    service().SwitchAlpha(on);
}

bool SetAreaSessionHasFocus(quint32 areaId)
{
    return service().SetFocus(areaId);
}

void CancelAreaSessionHasFocus()
{
    service().CancelFocus();
}

quint32 CreateAreaSession(int x, int y, int width, int height, int alpha, int layer,
                          quint32 value0, quint32 value1, quint32 value2, quint32 value3,
                          quint32 value4, quint32 value5)
{
    return service().CreateArea(QRect(x, y, width, height), alpha, layer,
                                {value0, value1, value2, value3, value4, value5});
}

quint32 RegisterAreaSession(quint32 areaHandle)
{
    return service().RegisterArea(areaHandle);
}

bool UnRegisterAreaSession(quint32 areaId)
{
    return service().UnregisterArea(areaId);
}

bool FreeAreaSession(quint32 areaHandle)
{
    return service().FreeArea(areaHandle);
}

bool SetAreaSessionLayer(quint32 areaId, int layer)
{
    return service().SetAreaLayer(areaId, layer);
}

quint32 CreateTexture(int width, int height)
{
    return service().CreateImage(width, height, false);
}

bool UpdateTextureData(quint32 texture, const void* pixels, int width, int height)
{
    return service().UpdateImage(texture, false, pixels, width, height);
}

quint32 GetD3dSurface(quint32, int width, int height)
{
    return service().CreateImage(width, height, true);
}

bool UpdateSurface(quint32, quint32 surface, const void* pixels, int width, int height)
{
    return service().UpdateImage(surface, true, pixels, width, height);
}

bool UpdateSurfaceToTexture(quint32, quint32 texture, quint32 surface)
{
    return service().SurfaceToTexture(texture, surface);
}

bool FreeTexture(quint32 texture)
{
    return service().FreeImage(texture, false);
}

bool FreeSurface(quint32 surface)
{
    return service().FreeImage(surface, true);
}

quint32 CreatePictureSession(int kind, const quint32* textures, int pixelBytes,
                             const quint32* effect, const qint32* rectangles, quint32 key)
{
    if (kind != 2 || pixelBytes != 4 || !textures || !effect || !rectangles)
        return 0;
    const QRect place(rectangles[0], rectangles[1], rectangles[2], rectangles[3]);
    const QRect source(rectangles[4], rectangles[5], rectangles[6], rectangles[7]);
    return service().CreateSession(textures[0], effect, place, source, key);
}

int GeteffectDuration(int width, int height, int effect, int speed)
{
    return Ky::KEffectGeometry::Duration(width, height, effect, speed);
}

bool UpdatePictureSessionEffect(quint32 areaId, quint32 picture, int phase, int effect,
                                int duration)
{
    return service().UpdateEffect(areaId, picture, phase, effect, duration);
}

bool UpdatePictureSessionFillType(quint32 areaId, quint32 picture, quint32 fillType)
{
    return service().UpdateFillType(areaId, picture, fillType);
}

bool AddPictureSession(quint32 areaId, quint32 picture, int)
{
    return service().AddSession(areaId, picture);
}

bool RemovePictureSession(quint32 areaId, quint32 picture)
{
    return service().RemoveSession(areaId, picture);
}

bool FreePictureSession(quint32 picture)
{
    return service().FreeSession(picture);
}

bool NotifyPlayManagerPlayFinish(quint32 areaId)
{
    return service().NotifyPlayFinish(areaId);
}

QImage CaptureRenderFrame()
{
    return service().Capture();
}

bool StepRenderer(int ms)
{
    return service().Step(ms);
}

bool GetPictureSessionState(quint32 areaId, quint32 picture, int* phase, int* effect)
{
    return service().SessionState(areaId, picture, phase, effect);
}

void DestroyRenderer()
{
    service().Destroy();
}
