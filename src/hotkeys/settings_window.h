// The settings window "设置", opened modally from "自定义设置".
#pragma once

#include "platform/window.h"

namespace grabwell {

class MainWindow;

extern const char kSettingsWindowTitle[];

class SettingsWindow : public Window {
 public:
  explicit SettingsWindow(MainWindow& main) : main_(main) {}
  // Made hidden over MainWindow; RunModal shows it.
  bool Create();

 protected:
  void OnFinalMessage() override;

 private:
  MainWindow& main_;
};

// "自定义设置": MainWindow leaves the topmost band while the window is open.
void OpenSettingsWindow(MainWindow& main);
// SettingsWindow will be destroyed, however it was closed.
void CloseSettingsWindow(MainWindow& main);

}  // namespace grabwell
