// Acts on each region window as it opens, from a timer that fires inside its
// modal loop, and gives real X input through xdotool.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win.h"

namespace grabwell::testing {

// Runs xdotool with `args` and waits until it has finished; false when it
// cannot be run (no Wine, no xdotool) or takes too long.
bool XInput(const std::string& args);

class RegionDriver {
 public:
  using Action = std::function<void(HWND region)>;
  // One action per opening, in order; windows beyond them are cancelled, so
  // a window that should not have opened never hangs a test, and one still
  // open long after its action is a failure and is cancelled too.
  explicit RegionDriver(std::vector<Action> actions = {});
  ~RegionDriver();
  RegionDriver(const RegionDriver&) = delete;
  RegionDriver& operator=(const RegionDriver&) = delete;

  // The region windows seen so far, in order.
  const std::vector<HWND>& opened() const { return opened_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
  void Poll();

  std::vector<Action> actions_;
  std::vector<HWND> opened_;
  UINT_PTR timer_ = 0;
  DWORD actedAt_ = 0;
  bool busy_ = false;
};

}  // namespace grabwell::testing
