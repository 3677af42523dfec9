// The program's main window: its controls from a layout table, menus,
// status bar, start-up and shutdown.
#pragma once

#include <string>

#include "app/app_state.h"
#include "app/layout.h"
#include "platform/picture_box.h"
#include "platform/window.h"

namespace grabwell {

enum class MenuId : int {
  RegionCapture = 2001,  // 前台区域截图热键
  FixedRegionCapture,    // 前台固定区域截图热键
  BackgroundCapture,     // 后台区域截图热键
  Settings,              // 自定义设置
  Help,                  // 使用说明
  About,                 // 关于
};

extern const char kMainWindowTitle[];
constexpr int kStatusPanes = 5;
constexpr int kStatusPaneWidth = 225;

class MainWindow : public Window {
 public:
  MainWindow(AppState& state, const Layout& layout);
  ~MainWindow() override;

  // Creates the window and its controls and runs the start-up sequence.
  bool Create(int x = CW_USEDEFAULT, int y = CW_USEDEFAULT);

  AppState& state() { return state_; }
  const Layout& layout() const { return layout_; }
  HWND Control(Ctl id) const { return ::GetDlgItem(hwnd(), static_cast<int>(id)); }
  std::string ControlText(Ctl id) const { return GetText(Control(id)); }
  void SetControlText(Ctl id, const std::string& text) { SetText(Control(id), text); }
  bool Checked(Ctl id) const;
  void SetChecked(Ctl id, bool on);

  void ShowPreview(const ImageBytes& image);
  void SetStatusText(int pane, const std::string& text);
  std::string StatusText(int pane) const;
  void SetTopmost(bool on);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnFinalMessage() override;

 private:
  void CreateControls();
  HMENU CreateMenuBar();
  void OnMainWindowCreated();
  void OnMainWindowDestroying();
  void OnCommand(int id);
  void OnNotify(const NMHDR& header);
  void ChooseFullImage();
  void ChooseThumbnail();
  void SaveFixedRegion();

  AppState& state_;
  const Layout& layout_;
  PictureBox preview_;
  PictureBox picker_;
  HMENU menu_ = nullptr;
};

}  // namespace grabwell
