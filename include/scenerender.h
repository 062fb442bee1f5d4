#pragma once

// The render service: a software compositor that draws the preview of a screen. Every object is
// known by a 32-bit handle (0 is never a valid one). Calls come from the GUI thread; texture and
// surface uploads may also come from a decoder thread. Unknown handles and bad arguments are
// ignored and answered with false or 0.

#include "scenerender_global.h"

#include <QImage>
#include <QtGlobal>

class QObject;

// Events the service posts to the window given to InitRenderer (see krenderevent.h).

// ---- Renderer -----------------------------------------------------------------------------

// Creates the service. Call once before anything else.
KSCENERENDER_EXPORT bool CreateRenderer();
// window receives the render events and, when it is a widget, a repaint request per frame.
// width x height is the frame size (1 to 8192 each); interval is the frame period in ms.
KSCENERENDER_EXPORT bool InitRenderer(QObject* window, int width, int height, int interval);
// Starts the frame clock on the calling thread.
KSCENERENDER_EXPORT bool StartRenderer();
// first: the renderer object, second: the drawing device to hand to SetDevice.
KSCENERENDER_EXPORT bool GetD3DDevice(quint32* first, quint32* second);
// Attaches the device from GetD3DDevice; 0 detaches it, and nothing is drawn until the next
// attach.
KSCENERENDER_EXPORT bool SetDevice(quint32 device);
// Resizes the frame; the window then receives the "device restored" event.
KSCENERENDER_EXPORT bool UpdateWindowSize(int width, int height);
// 0 playing, 1 paused (every effect and hold clock stands still), 2 stopped (every area starts
// over from its first picture and the frame is cleared).
KSCENERENDER_EXPORT bool SetPlayStatus(int status);
// true: areas and pictures are blended by their alpha; false: drawn opaque.
KSCENERENDER_EXPORT void SwitchAlphaFun(bool on);
// Outlines the area as the selected one.
KSCENERENDER_EXPORT bool SetAreaSessionHasFocus(quint32 areaId);
KSCENERENDER_EXPORT void CancelAreaSessionHasFocus();

// ---- Areas --------------------------------------------------------------------------------

// An area at (x, y) of the frame. alpha 0 to 255 is the area's opacity; layer orders the areas
// (higher on top, -1 above every area created before). values[0] is the background colour
// (ARGB, 0 transparent); the other five are reserved and kept.
KSCENERENDER_EXPORT quint32 CreateAreaSession(int x, int y, int width, int height, int alpha,
                                              int layer, quint32 value0, quint32 value1,
                                              quint32 value2, quint32 value3, quint32 value4,
                                              quint32 value5);
// Puts the area on the frame; returns the area id used by all later calls and events.
KSCENERENDER_EXPORT quint32 RegisterAreaSession(quint32 areaHandle);
KSCENERENDER_EXPORT bool UnRegisterAreaSession(quint32 areaId);
KSCENERENDER_EXPORT bool FreeAreaSession(quint32 areaHandle);
// Changes an area's stacking layer (for a frame renderer's layer changes).
KSCENERENDER_EXPORT bool SetAreaSessionLayer(quint32 areaId, int layer);

// ---- Textures and surfaces ----------------------------------------------------------------

// Pixels are 32-bit ARGB (QImage::Format_ARGB32), rows packed (4 x width bytes per row).
// Sizes are 1 to 8192 per side. Data of another size than the texture fills the overlap.
KSCENERENDER_EXPORT quint32 CreateTexture(int width, int height);
KSCENERENDER_EXPORT bool UpdateTextureData(quint32 texture, const void* pixels, int width,
                                           int height);
// The context arguments are ignored.
KSCENERENDER_EXPORT quint32 GetD3dSurface(quint32 context, int width, int height);
KSCENERENDER_EXPORT bool UpdateSurface(quint32 context, quint32 surface, const void* pixels,
                                       int width, int height);
KSCENERENDER_EXPORT bool UpdateSurfaceToTexture(quint32 context, quint32 texture,
                                                quint32 surface);
KSCENERENDER_EXPORT bool FreeTexture(quint32 texture);
KSCENERENDER_EXPORT bool FreeSurface(quint32 surface);

// ---- Picture sessions ---------------------------------------------------------------------

// Effect record: display effect, display duration (ms), clear effect, clear duration (ms),
// reserved, hold (ms; 0x7FFFFFFF and above: until the picture is removed).
enum SceneEffectField {
    SceneDisplayEffect = 0,
    SceneDisplayDuration = 1,
    SceneClearEffect = 2,
    SceneClearDuration = 3,
    SceneReserved = 4,
    SceneHold = 5,
    SceneEffectFieldCount = 6
};
constexpr quint32 SceneHoldForever = 0x7FFFFFFF;

// kind 2: a picture drawn from one texture (textures points at its handle); pixelBytes 4: the
// texture holds 32-bit pixels. effect points at the six values of the effect record;
// rectangles at eight ints: the place in the area (x, y, width, height), then the part of the
// texture shown (x, y, width, height). key 0 or an ARGB colour drawn transparent. The records
// are copied.
KSCENERENDER_EXPORT quint32 CreatePictureSession(int kind, const quint32* textures,
                                                 int pixelBytes, const quint32* effect,
                                                 const qint32* rectangles, quint32 key);
// Duration in ms of an effect on a place of width x height at speed index 0 ("1 / 5", slowest)
// to 8 ("5", fastest); 0 for the immediate effects.
KSCENERENDER_EXPORT int GeteffectDuration(int width, int height, int effect, int speed);
// phase 0 display, 1 clear, 2 hold (effect ignored, duration is the hold); a running phase takes
// the new values at once.
KSCENERENDER_EXPORT bool UpdatePictureSessionEffect(quint32 areaId, quint32 picture, int phase,
                                                    int effect, int duration);
// 0 stretch to the place, 1 centre at natural size, 2 tile from the top left, 3 keep the ratio
// inside the place; other values stretch.
KSCENERENDER_EXPORT bool UpdatePictureSessionFillType(quint32 areaId, quint32 picture,
                                                      quint32 fillType);
// Appends the picture to the area's play order (reserved: 0).
KSCENERENDER_EXPORT bool AddPictureSession(quint32 areaId, quint32 picture, int reserved);
KSCENERENDER_EXPORT bool RemovePictureSession(quint32 areaId, quint32 picture);
KSCENERENDER_EXPORT bool FreePictureSession(quint32 picture);
// The area's content has played through: the window gets the finished-picture event of the
// area's current picture.
KSCENERENDER_EXPORT bool NotifyPlayManagerPlayFinish(quint32 areaId);

// ---- Capture, stepping, state (tests, snapshots, tools) -----------------------------------

// The last composed frame (ARGB32 premultiplied, opaque); null before InitRenderer.
KSCENERENDER_EXPORT QImage CaptureRenderFrame();
// Advances the play clock by ms (unless paused) and composes one frame, without waiting.
KSCENERENDER_EXPORT bool StepRenderer(int ms);
// Where a picture is: phase 0 display, 1 clear, 2 hold, -1 waiting for its turn; effect is the
// one in use for the running phase (a random effect shows what it became).
KSCENERENDER_EXPORT bool GetPictureSessionState(quint32 areaId, quint32 picture, int* phase,
                                                int* effect);
// Drops every object and returns the service to its state before CreateRenderer.
KSCENERENDER_EXPORT void DestroyRenderer();
