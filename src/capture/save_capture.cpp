#include "capture/save_capture.h"

#include <ctime>

#include "app/main_window.h"
#include "app/settings_text.h"
#include "capture/convert.h"
#include "capture/naming.h"
#include "capture/screen.h"

namespace grabwell {

RegionRect TypedRectangle(const MainWindow& main) {
  return {TextToInt(main.ControlText(Ctl::Edit1)), TextToInt(main.ControlText(Ctl::Edit2)),
          TextToInt(main.ControlText(Ctl::Edit3)), TextToInt(main.ControlText(Ctl::Edit4))};
}

void ForegroundTypedRegionCapture(MainWindow& main) {
  ImageBytes image = CaptureScreenRect(TypedRectangle(main));
  if (image.empty()) return;
  SaveCapture(main, std::move(image), nullptr, true);
}

void SaveCapture(MainWindow& main, ImageBytes image, const RegionRect* shown, bool pause) {
  AppState& state = main.state();
  bool converted = false;
  if (state.conversionOn == 1) {
    ImageBytes result = ConvertImage(image, state.formatCode);
    // A failed conversion keeps the capture as taken instead of writing an empty file.
    converted = !result.empty();
    if (converted) image = std::move(result);
  }
  if (shown) {
    main.SetControlText(Ctl::Label2, std::to_string(shown->left));
    main.SetControlText(Ctl::Label3, std::to_string(shown->top));
    main.SetControlText(Ctl::Label4, std::to_string(shown->right));
    main.SetControlText(Ctl::Label5, std::to_string(shown->bottom));
  }
  main.ShowPreview(image);
  if (pause) PauseWithEvents(10);
  ++state.count;
  if (main.Checked(Ctl::Radio1)) image = SnapshotWindow(main.Control(Ctl::Picture1));

  const std::time_t now = std::time(nullptr);
  const std::tm local = *std::localtime(&now);
  const std::string name = CaptureName(state.namingMode, state.count, state.total, local.tm_hour,
                                       local.tm_min, local.tm_sec);
  const std::string folder = state.SaveFolder();
  // The folder may have gone since start-up.
  ::CreateDirectoryA(folder.c_str(), nullptr);
  const std::string file = FreeFileName(name, state.formatText, [&](const std::string& candidate) {
    return FileExists(folder + "\\" + candidate);
  });
  const std::string path = folder + "\\" + file;
  const bool written = !file.empty() && WriteWholeFile(path, image.data(), image.size(), false);
  main.SetStatusText(4, CaptureCountText(state.count, state.total));
  if (!written) {
    TimedMessage(main.hwnd(), "截图保存失败：" + path, "提示", 1000);
  } else if (state.conversionOn == 1 && !converted) {
    TimedMessage(main.hwnd(), "图片格式转换失败，已保存原图：" + path, "提示", 1000);
  }
}

}  // namespace grabwell
