// Tooltips over the options: one tooltip window owned by the dialog, each
// hinted control registered with it once, on the first mouse movement.
#include "tests/wine/settings_load_save/open_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace sy_test {
namespace {

struct tool {
  HWND window = nullptr;
  UINT_PTR id = 99;
  UINT flags = 0;
  RECT rect{};
  std::string text;
};

int tool_count(HWND tooltips) { return int(SendMessageA(tooltips, TTM_GETTOOLCOUNT, 0, 0)); }

tool tool_at(HWND tooltips, int index) {
  char text[256] = {};
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.lpszText = text;
  tool result;
  if (!SendMessageA(tooltips, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&info))) return result;
  result = {info.hwnd, info.uId, info.uFlags, info.rect, text};
  return result;
}

void move_mouse_over(HWND window) { SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); }

using hints = open_dialog;

TEST_F(hints, tooltip_window_belongs_to_the_dialog_and_goes_with_it) {
  open(nullptr);
  const HWND tooltips = form->hint_window;
  ASSERT_TRUE(IsWindow(tooltips));
  char name[32] = {};
  GetClassNameA(tooltips, name, sizeof name);
  EXPECT_STREQ(name, "tooltips_class32");
  EXPECT_EQ(GetWindow(tooltips, GW_OWNER), form->settings_window.handle());
  EXPECT_EQ(tool_count(tooltips), 0) << "nothing is registered before the mouse moves";
  form.reset();
  EXPECT_FALSE(IsWindow(tooltips));
}

TEST_F(hints, the_first_movement_registers_the_control_with_its_text) {
  struct row {
    const char* name;
    HWND (*window_of)(const sy::settings_form&);
    const char* text;
  } rows[] = {
      {"first hint", [](const sy::settings_form& f) { return f.code_pinyin_search_check.handle(); },
       "遇不会拆分的汉字可用拼音录入"},
      {"automatic frequency", [](const sy::settings_form& f) { return f.auto_frequency_check.handle(); },
       "所选重码项自动调整至首位"},
      {"the one hinted number field", [](const sy::settings_form& f) { return f.speaker_tone_edit.handle(); },
       "值越大声音越尖锐"},
      {"longest text", [](const sy::settings_form& f) { return f.phrase_in_auto_phrase_check.handle(); },
       "如不选只有以单字录入的内容才能当作自动词组，详见帮助"},
      {"last hint", [](const sy::settings_form& f) { return f.temp_pinyin_check.handle(); },
       "启用时可在纯五笔状态下临时录入拼音"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(nullptr);
    const HWND window = r.window_of(*form);
    move_mouse_over(window);
    pump();
    ASSERT_EQ(tool_count(form->hint_window), 1);
    const tool registered = tool_at(form->hint_window, 0);
    EXPECT_EQ(registered.window, window);
    EXPECT_EQ(registered.id, 0u);
    EXPECT_TRUE(registered.flags & TTF_SUBCLASS);
    EXPECT_FALSE(registered.flags & TTF_IDISHWND);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_TRUE(EqualRect(&registered.rect, &client));
    EXPECT_EQ(registered.text, r.text);
    form.reset();
  }
}

TEST_F(hints, moving_back_and_forth_keeps_one_tool_per_control) {
  open(nullptr);
  for (int i = 0; i < 50; ++i) {
    move_mouse_over(form->alarm_check.handle());
    move_mouse_over(form->speaker_alarm_check.handle());
  }
  pump();
  EXPECT_EQ(tool_count(form->hint_window), 2);
}

TEST_F(hints, controls_without_a_hint_register_nothing) {
  open(nullptr);
  const HWND unhinted[] = {
      form->settings_window.handle(), form->search_total_label.handle(), form->search_group.handle(),
      form->style_combo.handle(),     form->gbk_radio.handle(),          form->search_total_edit.handle(),
      form->text_colour_label.handle(), form->ok_button.handle(),        form->preview_inner_panel.handle(),
  };
  for (const HWND window : unhinted) move_mouse_over(window);
  pump();
  EXPECT_EQ(tool_count(form->hint_window), 0);
}

TEST_F(hints, slots_hold_every_text_as_gbk) {
  open(nullptr);
  // "遇" is 0xD3 0xF6 in GBK; the last slot's text ends in "拼音".
  EXPECT_EQ(std::string(form->hint_slots[0]).substr(0, 2), "\xD3\xF6");
  EXPECT_STREQ(form->hint_slots[24], "值越大声音越尖锐");
  for (int i = 0; i < sy::HINT_COUNT; ++i) EXPECT_GT(std::string(form->hint_slots[i]).size(), 0u) << "slot " << i;
}

}  // namespace
}  // namespace sy_test
