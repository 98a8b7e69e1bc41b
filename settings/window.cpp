// The dialog's spine: building the window in order, the start-up routine,
// the window's messages and the two buttons.

#include "common/command_line.h"
#include "common/install_paths.h"
#include "common/win/registry.h"
#include "settings/settings_form.h"

namespace sy {

settings_form::~settings_form() { settings_window.destroy(); }

std::unique_ptr<settings_form> construct_settings_window(const std::string& command_line) {
  auto form = std::make_unique<settings_form>();
  form->command_line = command_line;
  form->create_window();
  form->create_tabs();
  form->create_basic_page();
  form->create_advanced_page();
  form->create_auto_phrase_page();
  form->create_misc_page();
  form->create_candidate_page();
  form->create_status_bar_page();
  form->create_switch_keys_page();
  form->create_button_strip();
  form->attach_handlers();
  form->settings_window.centre_on_screen();
  form->settings_window.fix_size();
  return form;
}

std::unique_ptr<settings_form> build_settings_window(const std::string& command_line) {
  auto form = construct_settings_window(command_line);
  form->start_up();
  form->settings_window.clear_big_icon();
  return form;
}

int run_message_loop(settings_form& form) { return form.settings_window.run_message_loop(); }

void settings_form::attach_handlers() {
  // Clicks and paints reach handle_message through the layer whatever the
  // control's parent; only mouse movement over a hinted control needs a hook.
  EnumChildWindows(
      settings_window.handle(),
      [](HWND child, LPARAM) {
        if (control(child).tag() != 0) hook_mouse_move(child);
        return TRUE;
      },
      0);
}

void settings_form::start_up() {
  command_line_window = command_line_window_from(command_line_argument(command_line, 2));
  create_hint_window();
  store_hint_texts();
  read_install_location();
  select_first_pages();
  load_settings();
  layout_preview();
  apply_auto_word_rule();
  apply_speaker_rule();
  on_paging_keys_clicked();  // its effect: the page keys win over the candidate keys
  build_key_table();
  fill_hotkey_list();
  apply_joint_search_rule();
  apply_background_image_rule();
}

void settings_form::read_install_location() {
  const bool variant_98 = is_variant_98(command_line_argument(command_line, 1));
  const std::optional<std::string> directory = read_install_directory(variant_98);
  if (!directory) {
    post_close();  // nothing to edit: the loop closes the window as soon as it runs
    return;
  }
  install_directory = *directory;
  if (install_directory.empty()) post_close();
  if (variant_98) SetWindowTextA(settings_window.handle(), (control(settings_window.handle()).text() + "98").c_str());
  settings_path = settings_path_for(install_directory);
}

void settings_form::select_first_pages() {
  outer_tabs.select(0);
  inner_tabs.select(0);
}

void settings_form::on_ok() {
  hotkey_code = selected_hotkey_code();
  if (const unsigned long error = save_settings()) {
    report_save_failure(error);  // the user's choices stay on screen to retry or give up
    return;
  }
  post_close();
}

void settings_form::on_cancel() { post_close(); }

void settings_form::on_command(HWND source, unsigned notification) {
  // BN_CLICKED and a label's STN_CLICKED share the code 0; BM_SETCHECK
  // raises neither, so programmatic changes run no handler.
  if (notification != BN_CLICKED) return;
  struct click {
    const control& source;
    void (settings_form::*handler)();
  };
  const click clicks[] = {
      {ok_button, &settings_form::on_ok},
      {cancel_button, &settings_form::on_cancel},
      {code_pinyin_search_check, &settings_form::apply_joint_search_rule},
      {pinyin_phrase_search_check, &settings_form::on_pinyin_phrase_clicked},
      {temp_pinyin_check, &settings_form::on_temporary_pinyin_clicked},
      {auto_phrase_check, &settings_form::apply_auto_word_rule},
      {alarm_check, &settings_form::apply_alarm_rule},
      {speaker_alarm_check, &settings_form::apply_speaker_rule},
      {comma_period_check, &settings_form::on_candidate_keys_clicked},
      {comma_period_paging_check, &settings_form::on_paging_keys_clicked},
      {background_image_check, &settings_form::apply_background_image_rule},
      {text_colour_label, &settings_form::pick_text_colour},
      {background_colour_label, &settings_form::pick_background_colour},
      {border_colour_label, &settings_form::pick_border_colour},
      {auto_phrase_colour_label, &settings_form::pick_auto_phrase_colour},
      {hint_code_colour_label, &settings_form::pick_hint_code_colour},
  };
  for (const click& c : clicks) {
    if (c.source.handle() == source) return (this->*c.handler)();
  }
}

bool settings_form::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      on_command(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return true;
    case WM_MOUSEMOVE:
      register_hint(settings_window.handle());
      return true;
    case CONTROL_MOUSE_MOVE:
      register_hint(reinterpret_cast<HWND>(lparam));
      return true;
    case CONTROL_PAINT:
      if (reinterpret_cast<HWND>(lparam) == preview_frame_panel.handle()) paint_preview_frame(reinterpret_cast<HDC>(wparam));
      return true;
    case WM_CLOSE:
      PostQuitMessage(0);
      return true;
    case WM_ENDSESSION:
      if (wparam) {
        // The session ends: no close request, no loop; go at once.
        settings_window.destroy();
        ExitProcess(0);
      }
      return true;
    case WM_DESTROY:
      destroy_hint_window();
      return true;
  }
  return false;
}

}  // namespace sy
