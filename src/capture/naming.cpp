#include "capture/naming.h"

#include <cstdio>

namespace grabwell {

std::string CaptureName(NamingMode mode, int32_t count, int32_t total, int hour, int minute,
                        int second) {
  if (mode == NamingMode::ByTime) {
    char text[64];
    std::snprintf(text, sizeof text, "%d时%d分%d秒", hour, minute, second);
    return text;
  }
  return std::to_string(int64_t{count} + int64_t{total});
}

std::string CopyFileName(std::string_view name, std::string_view ext, int copy) {
  std::string file(name);
  if (copy >= 2) file += " (" + std::to_string(copy) + ")";
  file += ".";
  file += ext;
  return file;
}

std::string FreeFileName(std::string_view name, std::string_view ext,
                         const std::function<bool(const std::string&)>& taken) {
  constexpr int kMostCopies = 9999;
  for (int copy = 1; copy <= kMostCopies; ++copy) {
    std::string file = CopyFileName(name, ext, copy);
    if (!taken(file)) return file;
  }
  return {};
}

std::string CaptureCountText(int32_t count, int32_t total) {
  char sum[32];
  std::snprintf(sum, sizeof sum, "%.13g", static_cast<double>(count) + static_cast<double>(total));
  return "已截图次数:" + std::to_string(count) + "/" + sum;
}

}  // namespace grabwell
