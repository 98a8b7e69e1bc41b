#pragma once
// The settings dialog's form: one field per control of its eight pages, the
// few fields of its state, and the handlers as methods. build_settings_window
// creates every control in a fixed order, attaches the handlers once all of
// them exist and runs start_up; the window is shown by the message loop.
//
// A control's hint number is its tag: control::tag(), the control window's
// GWLP_USERDATA (ui/controls.h). 0 means no hint; the window's own tag is 0.
//
// Files: pages.cpp builds the window and its pages, window.cpp answers the
// window's messages and runs start_up, load_save.cpp moves the settings
// between file and controls, hints.cpp the tooltips, hotkeys.cpp the hotkey
// list, colour_preview.cpp the preview and its pickers, option_rules.cpp the
// rules between options.

#include "settings/key_table.h"
#include "ui/colour_dialog.h"
#include "ui/controls.h"
#include "ui/window.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

namespace sy {

inline constexpr int HINT_COUNT = 35;
inline constexpr int HINT_SLOT_SIZE = 60;  // bytes with the terminating zero

struct settings_form : message_handler {
  settings_form() = default;
  settings_form(const settings_form&) = delete;
  settings_form& operator=(const settings_form&) = delete;
  ~settings_form();  // destroys the window (and with it the tooltip window)

  // The window and its frame.
  top_window settings_window;
  tab_control outer_tabs;  // 系统设置, 候选窗, 状态栏, 切换键设置
  tab_control inner_tabs;  // on 系统设置: 基本设置, 高级设置, 自动造词, 杂项设置
  panel button_strip;
  push_button ok_button;
  push_button cancel_button;
  sy::colour_dialog colour_dialog;

  // 基本设置
  group_box basic_options_group;
  check_box auto_frequency_check;
  check_box existing_phrase_hint_check;
  check_box pinyin_phrase_search_check;
  check_box temp_pinyin_check;
  check_box sentence_association_check;  // built hidden, never shown, loaded or saved
  check_box code_pinyin_search_check;
  group_box charset_group;
  radio_button gb2312_radio;
  radio_button gbk_radio;
  group_box search_group;
  label search_total_label;
  label candidate_count_label;
  check_box code_hint_check;
  number_edit search_total_edit;
  check_box phrases_at_full_code_check;
  number_edit candidate_count_edit;

  // 高级设置
  group_box advanced_left_group;
  check_box network_mode_check;
  check_box quick_input_check;
  check_box quick_english_check;
  check_box capital_english_check;
  group_box advanced_right_group;
  check_box clear_empty_full_code_check;
  check_box slash_output_check;
  check_box quick_command_check;
  check_box delete_duplicate_char_check;

  // 自动造词
  group_box auto_phrase_group;
  label auto_phrase_max_length_label;
  check_box auto_phrase_save_check;
  check_box auto_phrase_check;
  check_box phrase_in_auto_phrase_check;
  number_edit auto_phrase_max_length_edit;

  // 杂项设置
  group_box alarm_group;
  check_box alarm_check;
  check_box speaker_alarm_check;
  group_box misc_group;
  check_box disable_z_repeat_check;
  check_box disable_ctrl_combos_check;
  check_box delete_key_ctrl_check;
  check_box width_toggle_key_check;
  group_box speaker_group;
  label speaker_tone_label;
  number_edit speaker_tone_edit;

  // 候选窗
  group_box duplicate_select_group;
  check_box semicolon_quote_check;
  check_box comma_period_check;
  check_box shift_keys_check;
  group_box candidate_options_group;
  label font_size_label;
  check_box follow_cursor_check;
  check_box background_image_check;
  number_edit font_size_edit;
  check_box operation_hint_check;
  check_box comma_period_paging_check;
  group_box colour_group;
  panel preview_outer_panel;
  panel preview_frame_panel;  // its background colour is the candidate window's border colour
  panel preview_inner_panel;  // its background colour is the candidate window's background colour
  label hint_code_colour_label;
  label background_colour_label;
  label text_colour_label;
  label auto_phrase_colour_label;
  label border_colour_label;
  group_box style_group;
  drop_down style_combo;

  // 状态栏
  group_box status_bar_group;
  check_box status_autoplace_check;
  check_box hide_status_at_start_check;
  group_box hotkey_group;
  label hotkey_label;
  drop_down hotkey_combo;
  group_box skin_group;
  drop_down skin_combo;

  // 切换键设置
  group_box ctrl_switch_group;
  drop_down ctrl_switch_combo;
  group_box enter_key_group;
  drop_down enter_key_combo;
  group_box shift_switch_group;
  drop_down shift_switch_combo;

  // State.
  std::string command_line;         // the whole command line, program name first
  int32_t command_line_window = 0;  // the input method's window from argument 2; 0 = none
  std::string install_directory;    // "" when the registry gave none
  std::string settings_path;        // install_directory + "\shuoyun.ini"; "" when the key was not opened
  int32_t loaded_style_index = -1;  // the style selected right after loading; -1 = none
  unsigned long settings_read_error = 0;  // why an existing shuoyun.ini could not be read; 0 = read or absent
  int32_t hotkey_code = DEFAULT_HOTKEY_CODE;
  key_table_entries key_table;
  // The tooltip window keeps pointers into these slots, so they live as long as the form.
  char hint_slots[HINT_COUNT][HINT_SLOT_SIZE] = {};
  HWND hint_window = nullptr;

  // Window and pages (pages.cpp, window.cpp).
  void create_window();
  void create_tabs();
  void create_basic_page();
  void create_advanced_page();
  void create_auto_phrase_page();
  void create_misc_page();
  void create_candidate_page();
  void create_status_bar_page();
  void create_switch_keys_page();
  void create_button_strip();
  void attach_handlers();
  void start_up();
  void read_install_location();  // registry, "98" caption, settings path; posts a close request when missing
  void select_first_pages();
  void on_ok();
  void on_cancel();
  void post_close() const { PostMessageA(settings_window.handle(), WM_CLOSE, 0, 0); }
  void on_command(HWND control, unsigned notification);
  bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  // Loading and saving (load_save.cpp).
  void load_settings();
  // Writes every key and notifies the input method: 0, or the system error
  // code with nothing notified (on_ok then tells the user and stays open).
  unsigned long save_settings();
  void report_save_failure(unsigned long error);

  // Hints (hints.cpp).
  void create_hint_window();
  void store_hint_texts();
  void register_hint(HWND control);
  void destroy_hint_window();

  // Hotkey list (hotkeys.cpp).
  void build_key_table();
  void fill_hotkey_list();
  int32_t selected_hotkey_code() const;  // DEFAULT_HOTKEY_CODE when nothing is selected

  // Colour preview (colour_preview.cpp).
  void layout_preview();
  void paint_preview_frame(HDC dc);
  void pick_text_colour();
  void pick_background_colour();
  void pick_border_colour();
  void pick_auto_phrase_colour();
  void pick_hint_code_colour();

  // Rules between options (option_rules.cpp). Each runs on a user's click of
  // its check box; changes by program raise no click.
  void on_paging_keys_clicked();
  void on_candidate_keys_clicked();
  void apply_auto_word_rule();
  void apply_alarm_rule();
  void apply_speaker_rule();
  void apply_joint_search_rule();
  void on_temporary_pinyin_clicked();
  void on_pinyin_phrase_clicked();
  void apply_background_image_rule();
  // Both start-up groups of rules, for callers outside start_up (start_up
  // runs the two groups around filling the hotkey list).
  void apply_dependencies_at_start();
};

// Builds the window and every control, hidden, without start_up: the window
// as built, before the settings reach it.
std::unique_ptr<settings_form> construct_settings_window(const std::string& command_line);

// Builds the whole window hidden, runs start_up and returns the form; the
// command line is the process's whole command line, program name first.
std::unique_ptr<settings_form> build_settings_window(const std::string& command_line);

// Shows the window and dispatches messages until the quit message.
int run_message_loop(settings_form& form);

}  // namespace sy
