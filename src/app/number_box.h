// The input rule of the main window's seven number boxes.
#pragma once

#include "platform/win.h"

namespace grabwell {

// Drops typed characters other than digits and "-", and normalises the text
// when the box loses the focus.
void AttachNumberBox(HWND edit);

}  // namespace grabwell
