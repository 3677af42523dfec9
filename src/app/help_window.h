// The instructions window "使用说明:", opened modally from the menu "帮助".
#pragma once

#include "platform/window.h"

namespace grabwell {

class MainWindow;

extern const char kHelpWindowTitle[];
constexpr int kHelpTextId = 1;  // its 编辑框1

class HelpWindow : public Window {
 public:
  explicit HelpWindow(MainWindow& main) : main_(main) {}
  // Made hidden over MainWindow; RunModal shows it.
  bool Create();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnFinalMessage() override;

 private:
  void OnCreate();
  MainWindow& main_;
};

// "使用说明": MainWindow leaves the topmost band while the window is open.
void OpenHelpWindow(MainWindow& main);
// HelpWindow will be destroyed, however it was closed.
void CloseHelpWindow(MainWindow& main);

}  // namespace grabwell
