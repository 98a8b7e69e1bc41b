#include "common/reload.h"

namespace sy {

std::vector<int> reload_codes_for(std::string_view file_argument) {
  static constexpr struct {
    std::string_view name;
    int code;
  } FILES[] = {
      {"shuoyun.usr", RELOAD_USER_TABLE},
      {"shuoyun.ini", RELOAD_SETTINGS},
      {"quick.mb", RELOAD_QUICK_PHRASES},
  };
  std::vector<int> codes;
  for (const auto& file : FILES)
    if (file_argument.find(file.name) != std::string_view::npos) codes.push_back(file.code);
  return codes;
}

void notify_settings_reload(window_system& ws, int32_t command_line_window) {
  // Only a handle that names a window is used; a stale or made-up one falls
  // back to the lookup by class, which finds a restarted input method too.
  if (ws.is_window(command_line_window)) {
    ws.send_reload(command_line_window, RELOAD_SETTINGS);
    return;
  }
  if (const window_handle window = ws.find_input_method_window()) ws.send_reload(window, RELOAD_SETTINGS);
}

void notify_file_reload(window_system& ws, std::string_view file_argument) {
  const window_handle window = ws.find_input_method_window();
  if (window == 0) return;
  for (const int code : reload_codes_for(file_argument)) ws.send_reload(window, code);
}

}  // namespace sy
