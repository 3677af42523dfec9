// The common tail of every capture, and the typed-rectangle capture.
#pragma once

#include "app/app_state.h"
#include "capture/bmp.h"

namespace grabwell {

class MainWindow;

// Converts when asked, shows, counts, names and writes one capture.
void SaveCapture(MainWindow& main, ImageBytes image, const RegionRect* shown, bool pause);

// 编辑框1..4 as left, top, right, bottom.
RegionRect TypedRectangle(const MainWindow& main);

// The live screen inside the typed rectangle (按钮5 "前台固定区域截图").
void ForegroundTypedRegionCapture(MainWindow& main);

}  // namespace grabwell
