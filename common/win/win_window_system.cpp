#include "common/win/win_window_system.h"

#include <windows.h>

namespace sy {

namespace {

// The command line carries a handle as a signed 32-bit number, which arrives
// here sign-extended. Window handles keep only 32 significant bits even in
// 64-bit processes and Windows sign-extends them too, so the number names the
// same window in a process of either width.
HWND to_hwnd(window_handle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

bool win_window_system::is_window(window_handle window) { return window != 0 && IsWindow(to_hwnd(window)); }

window_handle win_window_system::find_input_method_window() {
  return reinterpret_cast<window_handle>(FindWindowA(INPUT_METHOD_WINDOW_CLASS, nullptr));
}

void win_window_system::send_reload(window_handle window, int code) {
  // The input method reads the file while it handles the message; the caller
  // waits for that, and the result says nothing.
  SendMessageA(to_hwnd(window), RELOAD_MESSAGE, static_cast<WPARAM>(code), 0);
}

}  // namespace sy
