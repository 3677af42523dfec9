// Records the message boxes this thread shows while a watch is alive.
#pragma once

#include <string>
#include <vector>

#include "platform/win.h"

namespace grabwell::testing {

struct SeenMessage {
  std::string title;
  std::string text;
  HWND owner;
};

class MessageWatch {
 public:
  MessageWatch();
  ~MessageWatch();
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;
  const std::vector<SeenMessage>& seen() const { return seen_; }

 private:
  static LRESULT CALLBACK OnCbt(int code, WPARAM wp, LPARAM lp);
  HHOOK hook_;
  std::vector<SeenMessage> seen_;
};

}  // namespace grabwell::testing
