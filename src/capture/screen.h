// Pixels from the screen as BMP file images.
#pragma once

#include "app/app_state.h"
#include "capture/bmp.h"
#include "platform/win.h"

namespace grabwell {

// Packs a bitmap into a BMP file image in the bitmap's own depth, with a
// colour table for 8 bits or fewer. Empty when the bitmap cannot be read.
ImageBytes BitmapToBmp(HDC dc, HBITMAP bitmap);

// A screen-compatible bitmap of width x height, or null when its size could
// not be held (so huge rectangles never reach the allocator).
HBITMAP CreateScreenBitmap(HDC screen, int32_t width, int32_t height);

// The pixels of `source` from (x, y), width x height, as a screen-deep BMP
// file image; empty for an empty size.
ImageBytes CopyFromDc(HDC source, int x, int y, int32_t width, int32_t height);

// The live screen inside `rect`, clipped to the primary screen; empty when
// the rectangle is empty or nothing of it lies on the screen.
ImageBytes CaptureScreenRect(const RegionRect& rect);

// What the screen shows inside `window`'s whole rectangle, frame included;
// with no window, the whole primary screen.
ImageBytes SnapshotWindow(HWND window);

}  // namespace grabwell
