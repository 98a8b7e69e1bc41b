#pragma once
// The reload notification: one window message to the running input method,
// whose wParam names the file it is to read again.

#include <cstdint>
#include <string_view>
#include <vector>

namespace sy {

inline constexpr unsigned RELOAD_MESSAGE = 1124;  // WM_USER + 100
inline constexpr int RELOAD_SETTINGS = 105;       // 'i': shuoyun.ini
inline constexpr int RELOAD_USER_TABLE = 113;     // 'q': shuoyun.usr
inline constexpr int RELOAD_QUICK_PHRASES = 112;  // 'p': quick.mb
inline constexpr char INPUT_METHOD_WINDOW_CLASS[] = "SYCLASS_UI";

using window_handle = intptr_t;  // 0 = none

// The three window operations the notification needs; the Win32 adapter
// provides them with IsWindow, FindWindowA and SendMessageA.
struct window_system {
  virtual ~window_system() = default;
  virtual bool is_window(window_handle window) = 0;
  virtual window_handle find_input_method_window() = 0;          // FindWindowA("SYCLASS_UI", nullptr)
  virtual void send_reload(window_handle window, int code) = 0;  // SendMessageA(window, RELOAD_MESSAGE, code, 0)
};

// The codes a saved file calls for, in the order user table, settings, quick
// phrases: case-sensitive substring searches in the whole name as given.
std::vector<int> reload_codes_for(std::string_view file_argument);

// The settings program: the handle from its command line when it names a
// window (of any class), else the input method's window by class, else no
// message at all.
void notify_settings_reload(window_system& ws, int32_t command_line_window);

// The editor: the input method's window by class, then one message per code
// of the file name. Without a window the name is not examined.
void notify_file_reload(window_system& ws, std::string_view file_argument);

}  // namespace sy
