// The picture a top-level window paints of itself, also while it is covered.
#pragma once

#include "app/app_state.h"
#include "capture/bmp.h"
#include "platform/win.h"

namespace grabwell {

// Which rectangle sets the size of the picture.
enum class RectSource {
  WindowRect,  // the window's own rectangle, frame included
  GivenRect,   // the rectangle passed in
  KeptRegion,  // state.keptRegion, asked for first when needed
};

// The window asked to paint itself, whole, into a bitmap the size of the
// chosen rectangle; its top-left is always the window's top-left corner.
// On return `rect` holds the rectangle used. With KeptRegion the region
// window opens over `owner` on a first use, or while no region was kept.
// Empty when `window` is no window or the rectangle is empty.
ImageBytes CaptureWindowImage(AppState& state, HWND owner, HWND window, RegionRect& rect,
                              RectSource source, bool firstUse);

}  // namespace grabwell
