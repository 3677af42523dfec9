#include "capture/window_capture.h"

#include "capture/region_window.h"
#include "capture/screen.h"
#include "platform/handles.h"

namespace grabwell {

ImageBytes CaptureWindowImage(AppState& state, HWND owner, HWND window, RegionRect& rect,
                              RectSource source, bool firstUse) {
  if (!::IsWindow(window)) return {};
  switch (source) {
    case RectSource::KeptRegion:
      if (firstUse || state.keptRegion.bottom == 0) SelectRegion(state, owner);
      rect = state.keptRegion;
      break;
    case RectSource::WindowRect: {
      RECT r{};
      ::GetWindowRect(window, &r);
      rect = {r.left, r.top, r.right, r.bottom};
      break;
    }
    case RectSource::GivenRect:
      break;
  }
  // Edges may be anywhere in 32 bits: take the size without wrapping.
  const int64_t width = int64_t{rect.right} - rect.left;
  const int64_t height = int64_t{rect.bottom} - rect.top;
  if (width < 1 || height < 1 || width > INT32_MAX || height > INT32_MAX) return {};

  WindowDc screen = WindowDc::Client(nullptr);
  if (!screen) return {};
  MemoryDc memory(::CreateCompatibleDC(screen.get()));
  Bitmap bitmap(
      CreateScreenBitmap(screen.get(), static_cast<int32_t>(width), static_cast<int32_t>(height)));
  if (!memory || !bitmap) return {};
  {
    Selection selected(memory.get(), bitmap.get());
    if (!::PrintWindow(window, memory.get(), 0)) return {};
  }
  return BitmapToBmp(memory.get(), bitmap.get());
}

}  // namespace grabwell
