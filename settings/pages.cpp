// The window, its two tab controls and the controls of the eight pages, in
// the fixed order in which they are built: each control is created on its
// parent with its caption, placed and sized, and then given its tag, colours,
// text, items, selection, check mark and visibility.

#include "settings/settings_form.h"

namespace sy {

namespace {

constexpr char WINDOW_CLASS[] = "sy_settings_window";
constexpr char WINDOW_CAPTION[] = "朔云中文系统设置";
constexpr int CLIENT_WIDTH = 421;
constexpr int CLIENT_HEIGHT = 370;
constexpr int MARGIN = 2;  // children aligned to the window's edges keep this distance
constexpr int BUTTON_STRIP_HEIGHT = 29;
constexpr colour_ref WHITE = make_colour(255, 255, 255);

check_box checked(check_box box, bool on) {
  box.set_checked(on);
  return box;
}

check_box tagged(check_box box, int hint) {
  box.set_tag(hint);
  return box;
}

number_edit with_text(number_edit edit, const char* text) {
  edit.set_text(text);
  return edit;
}

drop_down with_items(drop_down list, std::initializer_list<const char*> items) {
  for (const char* item : items) list.add_item(item);
  list.select(0);
  return list;
}

}  // namespace

void settings_form::create_window() {
  settings_window.create(*this, WINDOW_CLASS, WINDOW_CAPTION);
  settings_window.set_client_size(CLIENT_WIDTH, CLIENT_HEIGHT);
  settings_window.change_ex_style(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, 0);
  settings_window.change_style(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  settings_window.set_font("宋体", 12);
  settings_window.remove_close_item();
}

void settings_form::create_tabs() {
  HWND window = settings_window.handle();
  const int tabs_height = CLIENT_HEIGHT - BUTTON_STRIP_HEIGHT - 3 * MARGIN;
  outer_tabs = tab_control::create(window, MARGIN, MARGIN, CLIENT_WIDTH - 2 * MARGIN, tabs_height, false);
  const panel system_page = outer_tabs.add_page("系统设置");
  outer_tabs.add_page("候选窗");
  outer_tabs.add_page("状态栏");
  outer_tabs.add_page("切换键设置");

  const RECT page = system_page.bounds();
  inner_tabs = tab_control::create(system_page.handle(), 0, 0, page.right - page.left, page.bottom - page.top, true);
  inner_tabs.add_page("基本设置");
  inner_tabs.add_page("高级设置");
  inner_tabs.add_page("自动造词");
  inner_tabs.add_page("杂项设置");
}

void settings_form::create_basic_page() {
  HWND page = inner_tabs.page(0).handle();

  basic_options_group = group_box::create(page, "设置", 11, 12, 166, 253);
  HWND options = basic_options_group.handle();
  auto_frequency_check = tagged(check_box::create(options, "启用自动调频功能", 21, 165), 3);
  existing_phrase_hint_check = tagged(check_box::create(options, "提示系统已有词组", 21, 210), 5);
  pinyin_phrase_search_check = tagged(check_box::create(options, "拼音检索拼音词组", 21, 75), 2);
  temp_pinyin_check = tagged(check_box::create(options, "启用临时拼音功能", 21, 120), 35);
  sentence_association_check = tagged(check_box::create(options, "启用语句联想功能", 21, 174), 15);
  sentence_association_check.show(false);
  code_pinyin_search_check = tagged(check_box::create(options, "编码拼音同时检索", 21, 30), 1);

  charset_group = group_box::create(page, "检索字符集", 200, 205, 185, 60);
  gb2312_radio = radio_button::create(charset_group.handle(), "GB2312", 26, 26);
  gbk_radio = radio_button::create(charset_group.handle(), "GBK", 122, 26);

  search_group = group_box::create(page, "检索设置", 200, 12, 185, 165);
  HWND search = search_group.handle();
  search_total_label = label::create(search, "字词检索总项数", 27, 102);
  candidate_count_label = label::create(search, "候选窗显示项数", 27, 130);
  code_hint_check = tagged(check_box::create(search, "启用编码提示功能", 28, 30), 6);
  search_total_edit = with_text(number_edit::create(search, 117, 97, 23), "5");
  phrases_at_full_code_check = tagged(check_box::create(search, "全码时才显示词组", 28, 58), 7);
  candidate_count_edit = with_text(number_edit::create(search, 117, 129, 23), "3");
}

void settings_form::create_advanced_page() {
  HWND page = inner_tabs.page(1).handle();

  advanced_left_group = group_box::create(page, "设置", 12, 24, 170, 227);
  HWND left = advanced_left_group.handle();
  network_mode_check = tagged(check_box::create(left, "启用网络输入模式", 20, 175), 11);
  quick_input_check = tagged(check_box::create(left, "启用快捷输入功能(')", 20, 81), 9);
  quick_english_check = tagged(check_box::create(left, "启用快捷英文功能(;)", 20, 34), 8);
  capital_english_check = tagged(check_box::create(left, "字母大写自动英文", 20, 128), 10);

  advanced_right_group = group_box::create(page, "设置", 212, 24, 170, 227);
  HWND right = advanced_right_group.handle();
  clear_empty_full_code_check = tagged(check_box::create(right, "全码为空清除编码", 25, 175), 4);
  slash_output_check = tagged(check_box::create(right, "启用/ 输出、功能", 25, 81), 13);
  quick_command_check = tagged(check_box::create(right, "启用快捷命令功能", 25, 34), 12);
  delete_duplicate_char_check = tagged(check_box::create(right, "允许删除重码单字", 25, 128), 14);
}

void settings_form::create_auto_phrase_page() {
  HWND page = inner_tabs.page(2).handle();

  auto_phrase_group = group_box::create(page, "自动造词设置", 16, 24, 169, 225);
  HWND group = auto_phrase_group.handle();
  auto_phrase_max_length_label = label::create(group, "自动词组最大词长", 20, 177);
  auto_phrase_save_check = tagged(check_box::create(group, "自动词组即选即存", 22, 83), 17);
  auto_phrase_check = tagged(check_box::create(group, "启用自动造词功能", 22, 36), 16);
  phrase_in_auto_phrase_check = tagged(check_box::create(group, "词组参与自动造词", 22, 130), 18);
  auto_phrase_max_length_edit = with_text(number_edit::create(group, 120, 174, 20), "5");
}

void settings_form::create_misc_page() {
  HWND page = inner_tabs.page(3).handle();

  alarm_group = group_box::create(page, "报警设置", 208, 19, 177, 130);
  alarm_check = tagged(check_box::create(alarm_group.handle(), "重码或出错时报警", 23, 41), 23);
  speaker_alarm_check = tagged(check_box::create(alarm_group.handle(), "强制用扬声器报警", 23, 81), 24);

  misc_group = group_box::create(page, "设置", 16, 18, 169, 237);
  HWND misc = misc_group.handle();
  disable_z_repeat_check = tagged(check_box::create(misc, "禁用Z键重复录入功能", 16, 140), 21);
  disable_ctrl_combos_check = tagged(check_box::create(misc, "禁用Ctrl功能组合键", 16, 88), 20);
  delete_key_ctrl_check = tagged(check_box::create(misc, "删词快捷键包括Ctrl", 16, 193), 22);
  width_toggle_key_check = tagged(check_box::create(misc, "启用全半角切换键", 16, 35), 19);

  speaker_group = group_box::create(page, "扬声器设置", 208, 184, 177, 71);
  speaker_tone_label = label::create(speaker_group.handle(), "扬声器报警音调", 26, 34);
  speaker_tone_edit = with_text(number_edit::create(speaker_group.handle(), 124, 31, 28), "600");
  speaker_tone_edit.set_tag(25);
}

void settings_form::create_candidate_page() {
  HWND page = outer_tabs.page(1).handle();

  duplicate_select_group = group_box::create(page, "2、3重码选择", 216, 12, 177, 117);
  HWND duplicates = duplicate_select_group.handle();
  semicolon_quote_check = checked(tagged(check_box::create(duplicates, "； 和 ’键", 34, 25), 32), true);
  comma_period_check = tagged(check_box::create(duplicates, "， 和  。键", 34, 55), 33);
  shift_keys_check = tagged(check_box::create(duplicates, "左右Shift键", 34, 84), 34);

  candidate_options_group = group_box::create(page, "选项", 16, 12, 177, 189);
  HWND options = candidate_options_group.handle();
  font_size_label = label::create(options, "候选项字号", 30, 155);
  follow_cursor_check = tagged(check_box::create(options, "候选窗光标跟随", 30, 53), 28);
  background_image_check = tagged(check_box::create(options, "候选窗使用背景图", 30, 109), 27);
  font_size_edit = with_text(number_edit::create(options, 104, 152, 33), "12");
  operation_hint_check = tagged(check_box::create(options, "候选窗显示操作提示", 30, 25), 26);
  comma_period_paging_check = tagged(check_box::create(options, "启用，。翻页功能", 30, 81), 31);

  colour_group = group_box::create(page, "候选窗颜色设置", 16, 212, 377, 89);
  preview_outer_panel = panel::create(colour_group.handle(), 8, 16, 361, 65, true);
  preview_outer_panel.set_background_colour(WHITE);
  preview_frame_panel = panel::create(preview_outer_panel.handle(), 5, 5, 337, 48);
  preview_frame_panel.set_background_colour(WHITE);
  preview_inner_panel = panel::create(preview_frame_panel.handle(), 4, 4, 317, 37);
  preview_inner_panel.set_background_colour(make_colour(0, 255, 255));
  HWND preview = preview_inner_panel.handle();
  // "提示码" and "自动词" have no background of their own: they show the inner panel's.
  hint_code_colour_label = label::create(preview, "提示码", 264, 14);
  background_colour_label = label::create(preview, "背景色", 78, 14);
  background_colour_label.set_background_colour(WHITE);
  text_colour_label = label::create(preview, "汉字色", 16, 14);
  text_colour_label.set_background_colour(WHITE);
  auto_phrase_colour_label = label::create(preview, "自动词", 202, 14);
  border_colour_label = label::create(preview, "边框色", 140, 14);
  border_colour_label.set_background_colour(WHITE);

  style_group = group_box::create(page, "式样", 216, 144, 177, 57);
  style_combo = with_items(drop_down::create(style_group.handle(), 20, 21, 133),
                           {"   方形 2 行", "   圆角 2 行", "   方形多行"});
}

void settings_form::create_status_bar_page() {
  HWND page = outer_tabs.page(2).handle();

  status_bar_group = group_box::create(page, "状态栏设置", 208, 24, 177, 145);
  status_autoplace_check = tagged(check_box::create(status_bar_group.handle(), "状态栏自动定位", 24, 40), 29);
  hide_status_at_start_check = tagged(check_box::create(status_bar_group.handle(), "启动时隐藏状态栏", 24, 80), 30);

  hotkey_group = group_box::create(page, "状态栏显隐键", 24, 200, 361, 81);
  hotkey_label = label::create(hotkey_group.handle(), "Ctrl + Shift +", 68, 41);
  hotkey_combo = with_items(drop_down::create(hotkey_group.handle(), 176, 39, 113, 20),
                            {"Back", "Tab", "Enter", "Pause", "Esc", "Space", "PgUP", "PgDown"});

  skin_group = group_box::create(page, "状态栏皮肤", 24, 24, 161, 145);
  skin_combo = with_items(drop_down::create(skin_group.handle(), 20, 51, 121), {"w_fox", "l_blue", ""});
}

void settings_form::create_switch_keys_page() {
  HWND page = outer_tabs.page(3).handle();

  ctrl_switch_group = group_box::create(page, "Ctrl切换中英文", 32, 115, 161, 60);
  ctrl_switch_combo = with_items(drop_down::create(ctrl_switch_group.handle(), 20, 24, 121), {"左Ctrl键", "右Ctrl键", "禁用"});
  enter_key_group = group_box::create(page, "Enter用于", 32, 213, 161, 60);
  enter_key_combo = with_items(drop_down::create(enter_key_group.handle(), 20, 24, 121), {"清除编码", "编码上屏"});
  shift_switch_group = group_box::create(page, "Shift切换中英文", 32, 16, 161, 60);
  shift_switch_combo =
      with_items(drop_down::create(shift_switch_group.handle(), 20, 22, 121), {"左Shift键", "右Shift键", "禁用"});
}

void settings_form::create_button_strip() {
  button_strip = panel::create(settings_window.handle(), MARGIN, CLIENT_HEIGHT - MARGIN - BUTTON_STRIP_HEIGHT,
                               CLIENT_WIDTH - 2 * MARGIN, BUTTON_STRIP_HEIGHT);
  ok_button = push_button::create(button_strip.handle(), "确认", 192, 5, 64, 22);
  cancel_button = push_button::create(button_strip.handle(), "放弃", 312, 5, 64, 22);
}

}  // namespace sy
