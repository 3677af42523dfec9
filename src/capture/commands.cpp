#include "capture/commands.h"

#include <cmath>

#include "app/main_window.h"
#include "app/settings_text.h"
#include "capture/region_window.h"
#include "capture/save_capture.h"
#include "capture/screen.h"
#include "capture/window_capture.h"

namespace grabwell {

namespace {

constexpr DWORD kGuardMilliseconds = 300;

// 标签1 holds the target's handle as signed decimal text, "0" for none.
std::string TargetText(const MainWindow& main) { return main.ControlText(Ctl::Label1); }

HWND HandleOf(int64_t value) { return reinterpret_cast<HWND>(static_cast<intptr_t>(value)); }

// The text read as a number and truncated toward zero, kept within 32 bits.
HWND HandleFromNumberText(const std::string& text) {
  const double number = std::trunc(TextToNumber(text));
  if (!(number >= INT32_MIN && number <= INT32_MAX)) return nullptr;
  return HandleOf(static_cast<int64_t>(number));
}

}  // namespace

void ForegroundRegionCapture(MainWindow& main) {
  AppState& state = main.state();
  SelectRegion(state, main.hwnd());
  const RegionRect rect = state.keptRegion;
  ImageBytes image = state.regionImage;
  if (image.empty()) return;
  SaveCapture(main, std::move(image), &rect, true);
}

void ForegroundFixedRegionCapture(MainWindow& main) {
  AppState& state = main.state();
  if (++state.fixedRegionUses == 1) SelectRegion(state, main.hwnd());
  const RegionRect rect = state.keptRegion;
  ImageBytes image = CaptureScreenRect(rect);
  if (image.empty()) return;
  SaveCapture(main, std::move(image), &rect, true);
}

void BackgroundWindowCapture(MainWindow& main) {
  const std::string target = TargetText(main);
  if (target.empty() || TextToInt(target) == 0) {
    TimedMessage(main.hwnd(), "请先枚举窗口选择要绑定的窗口句柄！", "Tips", kGuardMilliseconds);
    return;
  }
  RegionRect rect;
  ImageBytes image = CaptureWindowImage(main.state(), main.hwnd(), HandleOf(TextToInt(target)),
                                        rect, RectSource::WindowRect, false);
  if (image.empty()) return;
  SaveCapture(main, std::move(image), nullptr, true);
}

void BackgroundTypedRegionCapture(MainWindow& main) {
  RegionRect rect = TypedRectangle(main);
  ImageBytes image =
      CaptureWindowImage(main.state(), main.hwnd(), HandleFromNumberText(TargetText(main)), rect,
                         RectSource::GivenRect, false);
  if (image.empty()) return;
  SaveCapture(main, std::move(image), nullptr, false);
}

void BackgroundRegionCapture(MainWindow& main) {
  const std::string target = TargetText(main);
  if (target == "0") {
    TimedMessage(main.hwnd(), "请枚举窗口取句柄才能后台截图！", "提示信息：", kGuardMilliseconds);
    return;
  }
  AppState& state = main.state();
  const bool firstUse = ++state.backgroundRegionUses == 1;
  RegionRect rect;
  ImageBytes image = CaptureWindowImage(state, main.hwnd(), HandleFromNumberText(target), rect,
                                        RectSource::KeptRegion, firstUse);
  if (image.empty()) return;
  SaveCapture(main, std::move(image), &rect, false);
}

}  // namespace grabwell
