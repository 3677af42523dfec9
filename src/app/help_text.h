// The instructions text of HelpWindow, in its two variants.
#pragma once

#include <string>

namespace grabwell {

// GBK text with CR LF between lines. The compact build's variant differs only
// in blank lines and in its line "使用方法详解".
std::string HelpText(bool compact);

}  // namespace grabwell
