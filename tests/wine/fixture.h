// A real MainWindow in a run folder of its own, for in-process tests under Wine.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/main_window.h"
#include "capture/bmp.h"
#include "folder_files.h"

namespace grabwell::testing {

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// Names of the files in a folder, sorted.
void RemoveTree(const std::string& folder);
// Lets pending paint and input reach their windows.
void Settle(int milliseconds = 50);

// A topmost popup of one solid colour with a distinct corner pixel block,
// painted for WM_PAINT and WM_PRINTCLIENT alike.
class ColourWindow {
 public:
  ColourWindow(int x, int y, int width, int height, COLORREF colour, bool topmost = true,
               const char* title = "");
  ~ColourWindow();
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the window, with `settings` as the settings file unless null.
  MainWindow& Start(const char* settings = nullptr, const Layout& layout = kFullLayout);
  // Closes the window as the user does, running its shutdown.
  void Close();
  void Click(Ctl id);
  std::string Setting(const char* section, const char* key) const;

  std::string dir_;
  AppState state_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace grabwell::testing
