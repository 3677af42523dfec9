// The capture operations behind the buttons, menu items and hotkeys that take
// their rectangle from the region window or their picture from the target window.
#pragma once

namespace grabwell {

class MainWindow;

// The frozen picture inside a newly dragged rectangle (hotkey 1).
void ForegroundRegionCapture(MainWindow& main);
// The live screen inside the kept rectangle, dragged on the first use (按钮6, hotkey 2).
void ForegroundFixedRegionCapture(MainWindow& main);
// The target window as it paints itself, at its own size (hotkey 3).
void BackgroundWindowCapture(MainWindow& main);
// The target window at the size of the typed rectangle (按钮1).
void BackgroundTypedRegionCapture(MainWindow& main);
// The target window at the size of the kept rectangle (按钮4).
void BackgroundRegionCapture(MainWindow& main);

}  // namespace grabwell
