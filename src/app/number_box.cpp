#include "app/number_box.h"

#include "app/settings_text.h"
#include "platform/window.h"

namespace grabwell {

namespace {

LRESULT CALLBACK NumberBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_CHAR:
      if (!NumberBoxAccepts(static_cast<unsigned char>(wp))) return 0;
      break;
    case WM_KILLFOCUS: {
      const std::string text = GetText(hwnd);
      const std::string normal = NormaliseNumberBox(text);
      if (normal != text) {
        DWORD start = 0;
        ::SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        SetText(hwnd, normal);
        ::SendMessageA(hwnd, EM_SETSEL, start, start);
      }
      break;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, &NumberBoxProc, 1);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void AttachNumberBox(HWND edit) { ::SetWindowSubclass(edit, &NumberBoxProc, 1, 0); }

}  // namespace grabwell
