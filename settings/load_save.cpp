// Moving the settings between shuoyun.ini and the dialog's controls. The file
// is read whole when the dialog opens and written whole, in one atomic step,
// when the user confirms; every line that is not one of our keys stays as it
// was, byte for byte.

#include "common/win/ini_file.h"
#include "common/win/win_window_system.h"
#include "settings/setting_bindings.h"
#include "settings/settings_form.h"

#include <windows.h>

#include <optional>
#include <string>

namespace sy {

namespace {

// The multi-line candidate window shows more entries at once, so the input
// method's counts and its full-code rule are set to suit the style whenever
// the user moves to or away from it; the two count fields are not consulted.
constexpr int MULTI_LINE_STYLE = 2;

struct style_defaults {
  const char* search_total;
  const char* candidate_count;
  const char* phrases_at_full_code;
};

std::optional<style_defaults> defaults_for_style_change(int loaded_style, int chosen_style) {
  if (loaded_style == MULTI_LINE_STYLE && chosen_style != MULTI_LINE_STYLE) return style_defaults{"5", "3", "1"};
  if (loaded_style != MULTI_LINE_STYLE && chosen_style == MULTI_LINE_STYLE) return style_defaults{"9", "6", "0"};
  return std::nullopt;
}

void write_key(ini_document& document, setting id, const std::string& text) {
  const key_info& key = key_of(id);
  document.write_string(section_name(key.sect), key.name, text);
}

// The system's own wording of an error, with its number for a support call.
std::string system_error_text(unsigned long error) {
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == ' '))
    --length;
  std::string text(buffer, length);
  if (!text.empty()) text += "\n";
  return text + "（系统错误代码 " + std::to_string(error) + "）";
}

}  // namespace

void settings_form::load_settings() {
  const ini_load_result loaded = load_ini_file(settings_path);
  // A file that exists but cannot be read shows the defaults; remembering
  // why keeps "确认" from writing those defaults over the user's settings.
  settings_read_error = loaded.error;

  for (const setting key : load_order()) load_binding(*this, binding_of(key), loaded.document);
  // Both dependants of the alarm start enabled; only an alarm that is off
  // changes them here. Later clicks follow the alarm rule itself.
  if (!alarm_check.is_checked()) {
    speaker_alarm_check.enable(false);
    speaker_tone_edit.enable(false);
  }
  load_binding(*this, binding_of(setting::skin_name), loaded.document);
  loaded_style_index = style_combo.selected_index();
}

unsigned long settings_form::save_settings() {
  if (settings_read_error != 0) return settings_read_error;
  // Read again rather than reuse the start-up copy: the editor or the input
  // method may have changed other lines of the file while the dialog was open.
  ini_load_result current = load_ini_file(settings_path);
  if (current.error != 0) return current.error;
  ini_document& document = current.document;

  for (const setting_binding& binding : setting_bindings())
    write_key(document, binding.key, saved_text(*this, binding));
  if (const auto defaults = defaults_for_style_change(loaded_style_index, style_combo.selected_index())) {
    write_key(document, setting::search_total, defaults->search_total);
    write_key(document, setting::candidate_count, defaults->candidate_count);
    write_key(document, setting::phrases_at_full_code, defaults->phrases_at_full_code);
  }

  if (const DWORD error = save_ini_file(settings_path, document)) return error;
  win_window_system windows;
  notify_settings_reload(windows, command_line_window);
  return 0;
}

// The user's choices are still in the controls, so they can remove the cause
// (a read-only flag, a program holding the file, a full disk) and confirm
// again, or give up with "放弃".
void settings_form::report_save_failure(unsigned long error) {
  std::string text;
  if (settings_read_error != 0) {
    text = "打开设置时未能读取设置文件\n" + settings_path + "\n\n" + system_error_text(error) +
           "\n\n对话框显示的是默认设置。为免以默认设置覆盖文件中原有的设置，本次不保存。"
           "请按“放弃”退出，排除原因后再打开设置。";
  } else {
    text = "未能保存设置文件\n" + settings_path + "\n\n" + system_error_text(error) +
           "\n\n您的设置仍保留在对话框中。请排除原因后再按“确认”，或按“放弃”退出而不保存。";
  }
  const std::string caption = settings_window.handle() ? control(settings_window.handle()).text() : std::string();
  MessageBoxA(settings_window.handle(), text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace sy
