// Every control of the eight pages as built, before the settings reach it:
// kind, parent, caption, place, size, hint number and initial state, read
// back from the real windows so that any wrong caption, place or size fails.

#include "tests/wine/settings_window/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace sy_test {
namespace {

using sy::settings_form;

enum control_kind { group, check, radio, text_label, number_field, list, plain_panel, raised_panel };
enum mark { no_mark, unchecked, checked, hidden };
constexpr int FITS = 0;  // the kind's size rule
constexpr long NO_COLOUR = -1;

struct catalogue_row {
  const char* name;
  sy::control control;
  HWND parent;
  control_kind kind;
  const char* caption;
  int x, y, width, height;
  int hint;
  mark state;
  const char* text;                 // number fields
  std::vector<const char*> items;   // drop-down lists, item 0 selected
  long background;                  // own background colour
};

std::vector<catalogue_row> catalogue(const settings_form& f) {
  HWND basic = f.inner_tabs.page(0).handle(), advanced = f.inner_tabs.page(1).handle();
  HWND auto_phrase = f.inner_tabs.page(2).handle(), misc = f.inner_tabs.page(3).handle();
  HWND candidate = f.outer_tabs.page(1).handle(), status = f.outer_tabs.page(2).handle();
  HWND switches = f.outer_tabs.page(3).handle();
  const long white = RGB(255, 255, 255);
  const long N = NO_COLOUR;
  return {
      // 基本设置
      {"basic_options_group", f.basic_options_group, basic, group, "设置", 11, 12, 166, 253, 0, no_mark, nullptr, {}, N},
      {"auto_frequency_check", f.auto_frequency_check, f.basic_options_group.handle(), check, "启用自动调频功能", 21, 165, FITS, FITS, 3, unchecked, nullptr, {}, N},
      {"existing_phrase_hint_check", f.existing_phrase_hint_check, f.basic_options_group.handle(), check, "提示系统已有词组", 21, 210, FITS, FITS, 5, unchecked, nullptr, {}, N},
      {"pinyin_phrase_search_check", f.pinyin_phrase_search_check, f.basic_options_group.handle(), check, "拼音检索拼音词组", 21, 75, FITS, FITS, 2, unchecked, nullptr, {}, N},
      {"temp_pinyin_check", f.temp_pinyin_check, f.basic_options_group.handle(), check, "启用临时拼音功能", 21, 120, FITS, FITS, 35, unchecked, nullptr, {}, N},
      {"sentence_association_check", f.sentence_association_check, f.basic_options_group.handle(), check, "启用语句联想功能", 21, 174, FITS, FITS, 15, hidden, nullptr, {}, N},
      {"code_pinyin_search_check", f.code_pinyin_search_check, f.basic_options_group.handle(), check, "编码拼音同时检索", 21, 30, FITS, FITS, 1, unchecked, nullptr, {}, N},
      {"charset_group", f.charset_group, basic, group, "检索字符集", 200, 205, 185, 60, 0, no_mark, nullptr, {}, N},
      {"gb2312_radio", f.gb2312_radio, f.charset_group.handle(), radio, "GB2312", 26, 26, FITS, FITS, 0, checked, nullptr, {}, N},
      {"gbk_radio", f.gbk_radio, f.charset_group.handle(), radio, "GBK", 122, 26, FITS, FITS, 0, unchecked, nullptr, {}, N},
      {"search_group", f.search_group, basic, group, "检索设置", 200, 12, 185, 165, 0, no_mark, nullptr, {}, N},
      {"search_total_label", f.search_total_label, f.search_group.handle(), text_label, "字词检索总项数", 27, 102, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"candidate_count_label", f.candidate_count_label, f.search_group.handle(), text_label, "候选窗显示项数", 27, 130, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"code_hint_check", f.code_hint_check, f.search_group.handle(), check, "启用编码提示功能", 28, 30, FITS, FITS, 6, unchecked, nullptr, {}, N},
      {"search_total_edit", f.search_total_edit, f.search_group.handle(), number_field, "5", 117, 97, 23, FITS, 0, no_mark, "5", {}, N},
      {"phrases_at_full_code_check", f.phrases_at_full_code_check, f.search_group.handle(), check, "全码时才显示词组", 28, 58, FITS, FITS, 7, unchecked, nullptr, {}, N},
      {"candidate_count_edit", f.candidate_count_edit, f.search_group.handle(), number_field, "3", 117, 129, 23, FITS, 0, no_mark, "3", {}, N},
      // 高级设置
      {"advanced_left_group", f.advanced_left_group, advanced, group, "设置", 12, 24, 170, 227, 0, no_mark, nullptr, {}, N},
      {"network_mode_check", f.network_mode_check, f.advanced_left_group.handle(), check, "启用网络输入模式", 20, 175, FITS, FITS, 11, unchecked, nullptr, {}, N},
      {"quick_input_check", f.quick_input_check, f.advanced_left_group.handle(), check, "启用快捷输入功能(')", 20, 81, FITS, FITS, 9, unchecked, nullptr, {}, N},
      {"quick_english_check", f.quick_english_check, f.advanced_left_group.handle(), check, "启用快捷英文功能(;)", 20, 34, FITS, FITS, 8, unchecked, nullptr, {}, N},
      {"capital_english_check", f.capital_english_check, f.advanced_left_group.handle(), check, "字母大写自动英文", 20, 128, FITS, FITS, 10, unchecked, nullptr, {}, N},
      {"advanced_right_group", f.advanced_right_group, advanced, group, "设置", 212, 24, 170, 227, 0, no_mark, nullptr, {}, N},
      {"clear_empty_full_code_check", f.clear_empty_full_code_check, f.advanced_right_group.handle(), check, "全码为空清除编码", 25, 175, FITS, FITS, 4, unchecked, nullptr, {}, N},
      {"slash_output_check", f.slash_output_check, f.advanced_right_group.handle(), check, "启用/ 输出、功能", 25, 81, FITS, FITS, 13, unchecked, nullptr, {}, N},
      {"quick_command_check", f.quick_command_check, f.advanced_right_group.handle(), check, "启用快捷命令功能", 25, 34, FITS, FITS, 12, unchecked, nullptr, {}, N},
      {"delete_duplicate_char_check", f.delete_duplicate_char_check, f.advanced_right_group.handle(), check, "允许删除重码单字", 25, 128, FITS, FITS, 14, unchecked, nullptr, {}, N},
      // 自动造词
      {"auto_phrase_group", f.auto_phrase_group, auto_phrase, group, "自动造词设置", 16, 24, 169, 225, 0, no_mark, nullptr, {}, N},
      {"auto_phrase_max_length_label", f.auto_phrase_max_length_label, f.auto_phrase_group.handle(), text_label, "自动词组最大词长", 20, 177, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"auto_phrase_save_check", f.auto_phrase_save_check, f.auto_phrase_group.handle(), check, "自动词组即选即存", 22, 83, FITS, FITS, 17, unchecked, nullptr, {}, N},
      {"auto_phrase_check", f.auto_phrase_check, f.auto_phrase_group.handle(), check, "启用自动造词功能", 22, 36, FITS, FITS, 16, unchecked, nullptr, {}, N},
      {"phrase_in_auto_phrase_check", f.phrase_in_auto_phrase_check, f.auto_phrase_group.handle(), check, "词组参与自动造词", 22, 130, FITS, FITS, 18, unchecked, nullptr, {}, N},
      {"auto_phrase_max_length_edit", f.auto_phrase_max_length_edit, f.auto_phrase_group.handle(), number_field, "5", 120, 174, 20, FITS, 0, no_mark, "5", {}, N},
      // 杂项设置
      {"alarm_group", f.alarm_group, misc, group, "报警设置", 208, 19, 177, 130, 0, no_mark, nullptr, {}, N},
      {"alarm_check", f.alarm_check, f.alarm_group.handle(), check, "重码或出错时报警", 23, 41, FITS, FITS, 23, unchecked, nullptr, {}, N},
      {"speaker_alarm_check", f.speaker_alarm_check, f.alarm_group.handle(), check, "强制用扬声器报警", 23, 81, FITS, FITS, 24, unchecked, nullptr, {}, N},
      {"misc_group", f.misc_group, misc, group, "设置", 16, 18, 169, 237, 0, no_mark, nullptr, {}, N},
      {"disable_z_repeat_check", f.disable_z_repeat_check, f.misc_group.handle(), check, "禁用Z键重复录入功能", 16, 140, FITS, FITS, 21, unchecked, nullptr, {}, N},
      {"disable_ctrl_combos_check", f.disable_ctrl_combos_check, f.misc_group.handle(), check, "禁用Ctrl功能组合键", 16, 88, FITS, FITS, 20, unchecked, nullptr, {}, N},
      {"delete_key_ctrl_check", f.delete_key_ctrl_check, f.misc_group.handle(), check, "删词快捷键包括Ctrl", 16, 193, FITS, FITS, 22, unchecked, nullptr, {}, N},
      {"width_toggle_key_check", f.width_toggle_key_check, f.misc_group.handle(), check, "启用全半角切换键", 16, 35, FITS, FITS, 19, unchecked, nullptr, {}, N},
      {"speaker_group", f.speaker_group, misc, group, "扬声器设置", 208, 184, 177, 71, 0, no_mark, nullptr, {}, N},
      {"speaker_tone_label", f.speaker_tone_label, f.speaker_group.handle(), text_label, "扬声器报警音调", 26, 34, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"speaker_tone_edit", f.speaker_tone_edit, f.speaker_group.handle(), number_field, "600", 124, 31, 28, FITS, 25, no_mark, "600", {}, N},
      // 候选窗
      {"duplicate_select_group", f.duplicate_select_group, candidate, group, "2、3重码选择", 216, 12, 177, 117, 0, no_mark, nullptr, {}, N},
      {"semicolon_quote_check", f.semicolon_quote_check, f.duplicate_select_group.handle(), check, "； 和 ’键", 34, 25, FITS, FITS, 32, checked, nullptr, {}, N},
      {"comma_period_check", f.comma_period_check, f.duplicate_select_group.handle(), check, "， 和  。键", 34, 55, FITS, FITS, 33, unchecked, nullptr, {}, N},
      {"shift_keys_check", f.shift_keys_check, f.duplicate_select_group.handle(), check, "左右Shift键", 34, 84, FITS, FITS, 34, unchecked, nullptr, {}, N},
      {"candidate_options_group", f.candidate_options_group, candidate, group, "选项", 16, 12, 177, 189, 0, no_mark, nullptr, {}, N},
      {"font_size_label", f.font_size_label, f.candidate_options_group.handle(), text_label, "候选项字号", 30, 155, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"follow_cursor_check", f.follow_cursor_check, f.candidate_options_group.handle(), check, "候选窗光标跟随", 30, 53, FITS, FITS, 28, unchecked, nullptr, {}, N},
      {"background_image_check", f.background_image_check, f.candidate_options_group.handle(), check, "候选窗使用背景图", 30, 109, FITS, FITS, 27, unchecked, nullptr, {}, N},
      {"font_size_edit", f.font_size_edit, f.candidate_options_group.handle(), number_field, "12", 104, 152, 33, FITS, 0, no_mark, "12", {}, N},
      {"operation_hint_check", f.operation_hint_check, f.candidate_options_group.handle(), check, "候选窗显示操作提示", 30, 25, FITS, FITS, 26, unchecked, nullptr, {}, N},
      {"comma_period_paging_check", f.comma_period_paging_check, f.candidate_options_group.handle(), check, "启用，。翻页功能", 30, 81, FITS, FITS, 31, unchecked, nullptr, {}, N},
      {"colour_group", f.colour_group, candidate, group, "候选窗颜色设置", 16, 212, 377, 89, 0, no_mark, nullptr, {}, N},
      {"preview_outer_panel", f.preview_outer_panel, f.colour_group.handle(), raised_panel, "", 8, 16, 361, 65, 0, no_mark, nullptr, {}, white},
      {"preview_frame_panel", f.preview_frame_panel, f.preview_outer_panel.handle(), plain_panel, "", 5, 5, 337, 48, 0, no_mark, nullptr, {}, white},
      {"preview_inner_panel", f.preview_inner_panel, f.preview_frame_panel.handle(), plain_panel, "", 4, 4, 317, 37, 0, no_mark, nullptr, {}, long(RGB(0, 255, 255))},
      {"hint_code_colour_label", f.hint_code_colour_label, f.preview_inner_panel.handle(), text_label, "提示码", 264, 14, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"background_colour_label", f.background_colour_label, f.preview_inner_panel.handle(), text_label, "背景色", 78, 14, FITS, FITS, 0, no_mark, nullptr, {}, white},
      {"text_colour_label", f.text_colour_label, f.preview_inner_panel.handle(), text_label, "汉字色", 16, 14, FITS, FITS, 0, no_mark, nullptr, {}, white},
      {"auto_phrase_colour_label", f.auto_phrase_colour_label, f.preview_inner_panel.handle(), text_label, "自动词", 202, 14, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"border_colour_label", f.border_colour_label, f.preview_inner_panel.handle(), text_label, "边框色", 140, 14, FITS, FITS, 0, no_mark, nullptr, {}, white},
      {"style_group", f.style_group, candidate, group, "式样", 216, 144, 177, 57, 0, no_mark, nullptr, {}, N},
      {"style_combo", f.style_combo, f.style_group.handle(), list, "   方形 2 行", 20, 21, 133, 22, 0, no_mark, nullptr, {"   方形 2 行", "   圆角 2 行", "   方形多行"}, N},
      // 状态栏
      {"status_bar_group", f.status_bar_group, status, group, "状态栏设置", 208, 24, 177, 145, 0, no_mark, nullptr, {}, N},
      {"status_autoplace_check", f.status_autoplace_check, f.status_bar_group.handle(), check, "状态栏自动定位", 24, 40, FITS, FITS, 29, unchecked, nullptr, {}, N},
      {"hide_status_at_start_check", f.hide_status_at_start_check, f.status_bar_group.handle(), check, "启动时隐藏状态栏", 24, 80, FITS, FITS, 30, unchecked, nullptr, {}, N},
      {"hotkey_group", f.hotkey_group, status, group, "状态栏显隐键", 24, 200, 361, 81, 0, no_mark, nullptr, {}, N},
      {"hotkey_label", f.hotkey_label, f.hotkey_group.handle(), text_label, "Ctrl + Shift +", 68, 41, FITS, FITS, 0, no_mark, nullptr, {}, N},
      {"hotkey_combo", f.hotkey_combo, f.hotkey_group.handle(), list, "Back", 176, 39, 113, 20, 0, no_mark, nullptr, {"Back", "Tab", "Enter", "Pause", "Esc", "Space", "PgUP", "PgDown"}, N},
      {"skin_group", f.skin_group, status, group, "状态栏皮肤", 24, 24, 161, 145, 0, no_mark, nullptr, {}, N},
      {"skin_combo", f.skin_combo, f.skin_group.handle(), list, "w_fox", 20, 51, 121, 22, 0, no_mark, nullptr, {"w_fox", "l_blue", ""}, N},
      // 切换键设置
      {"ctrl_switch_group", f.ctrl_switch_group, switches, group, "Ctrl切换中英文", 32, 115, 161, 60, 0, no_mark, nullptr, {}, N},
      {"ctrl_switch_combo", f.ctrl_switch_combo, f.ctrl_switch_group.handle(), list, "左Ctrl键", 20, 24, 121, 22, 0, no_mark, nullptr, {"左Ctrl键", "右Ctrl键", "禁用"}, N},
      {"enter_key_group", f.enter_key_group, switches, group, "Enter用于", 32, 213, 161, 60, 0, no_mark, nullptr, {}, N},
      {"enter_key_combo", f.enter_key_combo, f.enter_key_group.handle(), list, "清除编码", 20, 24, 121, 22, 0, no_mark, nullptr, {"清除编码", "编码上屏"}, N},
      {"shift_switch_group", f.shift_switch_group, switches, group, "Shift切换中英文", 32, 16, 161, 60, 0, no_mark, nullptr, {}, N},
      {"shift_switch_combo", f.shift_switch_combo, f.shift_switch_group.handle(), list, "左Shift键", 20, 22, 121, 22, 0, no_mark, nullptr, {"左Shift键", "右Shift键", "禁用"}, N},
  };
}

// Width and height of a caption in "宋体" 12, measured apart from the dialog.
SIZE caption_size(const char* caption) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateFontA(12, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体");
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size;
}

SIZE expected_size(const catalogue_row& row) {
  const SIZE text = caption_size(row.caption);
  switch (row.kind) {
    case check:
    case radio: return {text.cx + 24, 22};
    case text_label: return {text.cx + 1, text.cy + 1};
    case number_field: return {row.width, text.cy + 6};  // 18 with SimSun itself
    default: return {row.width, row.height};
  }
}

struct kind_rule {
  const char* class_name;
  LONG_PTR type;       // the style's low type bits, compared under type_mask
  LONG_PTR type_mask;
  LONG_PTR required;   // further style bits that must be set
  LONG_PTR forbidden;  // style bits that must not be set
};

kind_rule rule_of(control_kind kind) {
  switch (kind) {
    case group: return {"Button", BS_GROUPBOX, BS_TYPEMASK, 0, WS_TABSTOP};
    case check: return {"Button", BS_AUTOCHECKBOX, BS_TYPEMASK, WS_TABSTOP, 0};
    case radio: return {"Button", BS_RADIOBUTTON, BS_TYPEMASK, BS_NOTIFY | WS_GROUP | WS_TABSTOP, 0};
    case text_label: return {"Static", SS_LEFTNOWORDWRAP, SS_TYPEMASK, SS_NOPREFIX | SS_NOTIFY, 0};
    case number_field: return {"Edit", 0, ES_MULTILINE, ES_AUTOHSCROLL | WS_TABSTOP, ES_NUMBER};
    case list:
      return {"ComboBox", CBS_DROPDOWNLIST, 3, CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT | WS_TABSTOP, CBS_SORT};
    case plain_panel: return {"sy_panel", 0, 0, 0, WS_DLGFRAME};
    case raised_panel: return {"sy_panel", 0, 0, WS_DLGFRAME, 0};
  }
  return {};
}

class catalogue_test : public testing::Test {
 protected:
  temp_install install;
  std::unique_ptr<settings_form> form = sy::construct_settings_window("shuoyun.opt");
};

TEST_F(catalogue_test, every_control_has_its_kind_parent_caption_place_and_size) {
  for (const catalogue_row& row : catalogue(*form)) {
    SCOPED_TRACE(row.name);
    HWND window = row.control.handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), row.parent);

    const kind_rule rule = rule_of(row.kind);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_EQ(class_of(window), rule.class_name);
    EXPECT_EQ(style & rule.type_mask, rule.type);
    EXPECT_EQ(style & rule.required, rule.required);
    EXPECT_EQ(style & rule.forbidden, 0);
    // A drop-down list's text is its selected item, which the table gives as its caption.
    EXPECT_EQ(window_text(window), row.caption);

    const RECT r = rect_in_parent(window);
    const SIZE size = expected_size(row);
    EXPECT_EQ(r.left, row.x);
    EXPECT_EQ(r.top, row.y);
    EXPECT_EQ(r.right - r.left, size.cx);
    EXPECT_EQ(r.bottom - r.top, size.cy);
  }
}

TEST_F(catalogue_test, every_control_starts_in_its_initial_state) {
  for (const catalogue_row& row : catalogue(*form)) {
    SCOPED_TRACE(row.name);
    HWND window = row.control.handle();
    EXPECT_EQ(row.control.tag(), row.hint);
    EXPECT_EQ(row.control.is_visible(), row.state != hidden);
    if (row.state == checked || row.state == unchecked) {
      EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), row.state == checked ? BST_CHECKED : BST_UNCHECKED);
    }
    if (row.kind == list) {
      const sy::drop_down list(window);
      std::vector<std::string> items;
      for (int i = 0; i < list.count(); ++i) items.push_back(list.item_text(i));
      EXPECT_EQ(items, std::vector<std::string>(row.items.begin(), row.items.end()));
      EXPECT_EQ(list.selected_index(), 0);
    }
    bool own_background = GetPropA(window, sy::BACKGROUND_PROPERTY) != nullptr;
    EXPECT_EQ(own_background, row.background != NO_COLOUR);
    if (own_background) {
      EXPECT_EQ(long(sy::coloured_control(window).background_colour()), row.background);
    }
  }
}

TEST_F(catalogue_test, captions_keep_their_spaces_and_full_width_punctuation) {
  // The bytes the input method's users have always seen, in GBK.
  struct caption_case {
    const sy::control& control;
    std::string bytes;
  } cases[] = {
      {form->comma_period_check, "\xA3\xAC \xBA\xCD  \xA1\xA3\xBC\xFC"},
      {form->semicolon_quote_check, "\xA3\xBB \xBA\xCD \xA1\xAF\xBC\xFC"},
      {form->slash_output_check, "\xC6\xF4\xD3\xC3/ \xCA\xE4\xB3\xF6\xA1\xA2\xB9\xA6\xC4\xDC"},
      {form->comma_period_paging_check, "\xC6\xF4\xD3\xC3\xA3\xAC\xA1\xA3\xB7\xAD\xD2\xB3\xB9\xA6\xC4\xDC"},
  };
  for (const caption_case& c : cases) EXPECT_EQ(window_text(c.control.handle()), c.bytes);
  const sy::drop_down styles = form->style_combo;
  EXPECT_EQ(styles.item_text(0), "   \xB7\xBD\xD0\xCE 2 \xD0\xD0");
  EXPECT_EQ(styles.item_text(2), "   \xB7\xBD\xD0\xCE\xB6\xE0\xD0\xD0");
}

TEST_F(catalogue_test, the_35_hint_numbers_are_each_on_one_control) {
  std::multiset<int> tags;
  EnumChildWindows(
      form->settings_window.handle(),
      [](HWND child, LPARAM found) {
        if (const int tag = sy::control(child).tag()) reinterpret_cast<std::multiset<int>*>(found)->insert(tag);
        return TRUE;
      },
      LPARAM(&tags));
  std::multiset<int> expected;
  for (int hint = 1; hint <= 35; ++hint) expected.insert(hint);
  EXPECT_EQ(tags, expected);
  EXPECT_EQ(form->settings_window.handle() ? sy::control(form->settings_window.handle()).tag() : -1, 0);
}

TEST_F(catalogue_test, window_frame_holds_tabs_and_button_strip) {
  struct frame_row {
    const char* name;
    HWND window;
    HWND parent;
    RECT place;
  } rows[] = {
      {"outer_tabs", form->outer_tabs.handle(), form->settings_window.handle(), {2, 2, 2 + 417, 2 + 335}},
      {"button_strip", form->button_strip.handle(), form->settings_window.handle(), {2, 339, 2 + 417, 339 + 29}},
      {"ok_button", form->ok_button.handle(), form->button_strip.handle(), {192, 5, 192 + 64, 5 + 22}},
      {"cancel_button", form->cancel_button.handle(), form->button_strip.handle(), {312, 5, 312 + 64, 5 + 22}},
  };
  for (const frame_row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(GetParent(row.window), row.parent);
    const RECT r = rect_in_parent(row.window);
    EXPECT_TRUE(EqualRect(&r, &row.place)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
  }
  EXPECT_EQ(window_text(form->ok_button.handle()), "确认");
  EXPECT_EQ(window_text(form->cancel_button.handle()), "放弃");
  for (HWND button : {form->ok_button.handle(), form->cancel_button.handle()}) {
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "no default-button role";
  }
  EXPECT_EQ(GetWindowLongPtrA(form->button_strip.handle(), GWL_STYLE) & (WS_DLGFRAME | WS_BORDER), 0);

  // The inner tabs cover the whole first outer page.
  HWND page = form->outer_tabs.page(0).handle();
  EXPECT_EQ(GetParent(form->inner_tabs.handle()), page);
  RECT page_client{}, inner = rect_in_parent(form->inner_tabs.handle());
  GetClientRect(page, &page_client);
  EXPECT_TRUE(EqualRect(&inner, &page_client));

  const char* outer[] = {"系统设置", "候选窗", "状态栏", "切换键设置"};
  const char* inner_names[] = {"基本设置", "高级设置", "自动造词", "杂项设置"};
  for (auto [tabs, names] : {std::pair{form->outer_tabs, outer}, std::pair{form->inner_tabs, inner_names}}) {
    ASSERT_EQ(tabs.page_count(), 4);
    for (int i = 0; i < 4; ++i) {
      char text[64] = {};
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(tabs.handle(), TCM_GETITEMA, WPARAM(i), LPARAM(&item));
      EXPECT_STREQ(text, names[i]);
      EXPECT_EQ(GetParent(tabs.page(i).handle()), tabs.handle());
    }
  }
}

}  // namespace
}  // namespace sy_test
