// Names of saved captures and the capture-count text; no window system here.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace grabwell {

enum class NamingMode { ByNumber, ByTime };

// "13" for count + total by number; "9时5分7秒" by time.
std::string CaptureName(NamingMode mode, int32_t count, int32_t total, int hour, int minute,
                        int second);

// "name.ext", or "name (n).ext" for the n-th copy (n >= 2), as Explorer names copies.
std::string CopyFileName(std::string_view name, std::string_view ext, int copy);

// The first of name.ext, "name (2).ext", ... that `taken` does not report;
// empty when thousands of copies are already taken.
std::string FreeFileName(std::string_view name, std::string_view ext,
                         const std::function<bool(const std::string&)>& taken);

// "已截图次数:3/15" for count 3 and total 12.
std::string CaptureCountText(int32_t count, int32_t total);

}  // namespace grabwell
