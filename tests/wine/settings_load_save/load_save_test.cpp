// Loading shuoyun.ini into the dialog and saving it back: what each stored
// text shows as, and what the dialog writes for it when the user confirms.
#include "common/ini_document.h"
#include "tests/wine/settings_load_save/open_dialog.h"
#include "tests/wine/standin/standin_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace sy_test {
namespace {

// The written value of a key, "<absent>" when the file lacks it.
std::string written(const std::string& file, const char* section, const char* key) {
  return sy::ini_document::from_bytes(file).get_string(section, key, "<absent>");
}

std::string system_section(const std::string& lines) { return "[系统设置]\r\n" + lines; }

using dialog_loading = open_dialog;

// Stored text -> value written back, through the real controls.
TEST_F(dialog_loading, each_stored_value_comes_back_in_its_written_form) {
  struct row {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* expected;
  } rows[] = {
      {"absent hide-status switch defaults to on", "[状态栏]\r\n", "状态栏", "隐藏状态栏", "1"},
      {"absent LShift switch means on", "", "系统设置", "LShift选择第二重码", "1"},
      {"LShift 2 is off", system_section("LShift选择第二重码=2\r\n"), "系统设置", "LShift选择第二重码", "2"},
      {"LShift below 0 is on", system_section("LShift选择第二重码=-3\r\n"), "系统设置", "LShift选择第二重码", "1"},
      {"switch 2 is off", system_section("候选窗光标跟随=2\r\n"), "系统设置", "候选窗光标跟随", "0"},
      {"switch reads its leading number", system_section("候选窗光标跟随=1abc\r\n"), "系统设置", "候选窗光标跟随", "1"},
      {"switch 05 is 5, off", system_section("启用外码提示功能=05\r\n"), "系统设置", "启用外码提示功能", "0"},
      {"charset 5 is GBK", system_section("检索的字符集=5\r\n"), "系统设置", "检索的字符集", "1"},
      {"charset 0 is GB2312", system_section("检索的字符集=0\r\n"), "系统设置", "检索的字符集", "0"},
      {"comma role 7 selects", system_section("逗、句号功能=7\r\n"), "系统设置", "逗、句号功能", "2"},
      {"comma role 1 pages", system_section("逗、句号功能=1\r\n"), "系统设置", "逗、句号功能", "1"},
      {"comma role -1 selects", system_section("逗、句号功能=-1\r\n"), "系统设置", "逗、句号功能", "2"},
      {"style 9 is no style", system_section("汉字候选框式样=9\r\n"), "系统设置", "汉字候选框式样", "1"},
      {"style 0 stays", system_section("汉字候选框式样=0\r\n"), "系统设置", "汉字候选框式样", "0"},
      {"ctrl -1 is no item", system_section("ctrl键切换功能=-1\r\n"), "系统设置", "ctrl键切换功能", "2"},
      {"ctrl 0 stays", system_section("ctrl键切换功能=0\r\n"), "系统设置", "ctrl键切换功能", "0"},
      {"shift 3 is no item", system_section("RShift切换中英文=3\r\n"), "系统设置", "RShift切换中英文", "1"},
      {"enter 2 is no item", "[高级设置]\r\nEnter功能=2\r\n", "高级设置", "Enter功能", "1"},
      {"enter 0 stays", "[高级设置]\r\nEnter功能=0\r\n", "高级设置", "Enter功能", "0"},
      {"hotkey 9 padded", "[状态栏]\r\n隐藏状态栏的按键=9\r\n", "状态栏", "隐藏状态栏的按键", "09"},
      {"hotkey 144 listed", "[状态栏]\r\n隐藏状态栏的按键=144\r\n", "状态栏", "隐藏状态栏的按键", "144"},
      {"hotkey 0 unlisted gives Enter", "[状态栏]\r\n隐藏状态栏的按键=0\r\n", "状态栏", "隐藏状态栏的按键", "13"},
      {"black padded", system_section("候选汉字颜色=0,0,0\r\n"), "系统设置", "候选汉字颜色", "00,00,00"},
      {"hint colour padded", system_section("候选字提示码颜色=47,3,222\r\n"), "系统设置", "候选字提示码颜色", "47,03,222"},
      {"one comma is red and blue", system_section("自动词组前景色=10,20\r\n"), "系统设置", "自动词组前景色", "10,00,20"},
      {"components wrap at 256", system_section("候选窗边框色=300,0,0\r\n"), "系统设置", "候选窗边框色", "44,00,00"},
      {"no comma keeps the built background", system_section("候选窗背景色=none\r\n"), "系统设置", "候选窗背景色",
       "00,255,255"},
      {"no comma keeps the built border", system_section("候选窗边框色=none\r\n"), "系统设置", "候选窗边框色",
       "255,255,255"},
      {"phrase background repeats the background",
       system_section("候选窗背景色=1,2,3\r\n自动词组背景色=9,9,9\r\n"), "系统设置", "自动词组背景色", "01,02,03"},
      {"count text kept as letters", system_section("外码提示个数=abc\r\n"), "系统设置", "外码提示个数", "abc"},
      {"count text kept empty", system_section("候选项数=\r\n"), "系统设置", "候选项数", ""},
      {"count text of high bytes kept", system_section("汉字候选窗字号=十二\r\n"), "系统设置", "汉字候选窗字号", "十二"},
      {"tone default, not the built text", "", "系统设置", "扬声器报警音调", "603"},
      {"max length kept", "[高级设置]\r\n自动词组最大词长=12\r\n", "高级设置", "自动词组最大词长", "12"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(r.file.c_str());
    EXPECT_EQ(written(confirm(), r.section, r.key), r.expected);
    EXPECT_TRUE(close_requested);
    form.reset();
    close_requested = false;
  }
}

TEST_F(dialog_loading, pairs_and_lists_show_their_stored_values) {
  open(system_section("逗、句号功能=1\r\n检索的字符集=3\r\n汉字候选框式样=7\r\n").c_str());
  EXPECT_TRUE(form->comma_period_paging_check.is_checked());
  EXPECT_FALSE(form->comma_period_check.is_checked());
  EXPECT_FALSE(form->gb2312_radio.is_checked());
  EXPECT_TRUE(form->gbk_radio.is_checked());
  EXPECT_EQ(form->style_combo.selected_index(), -1) << "not the item selected when the list was built";
  EXPECT_EQ(form->loaded_style_index, -1);
}

TEST_F(dialog_loading, no_file_shows_every_default) {
  open(nullptr);
  EXPECT_EQ(form->speaker_tone_edit.text(), "603");
  EXPECT_EQ(form->search_total_edit.text(), "5");
  EXPECT_EQ(form->hotkey_code, 13);
  EXPECT_TRUE(form->hide_status_at_start_check.is_checked());
  EXPECT_TRUE(form->shift_keys_check.is_checked());
  EXPECT_EQ(form->style_combo.selected_index(), 1);
  EXPECT_EQ(form->loaded_style_index, 1);
  EXPECT_EQ(form->preview_inner_panel.background_colour(), sy::make_colour(255, 255, 234));
  EXPECT_EQ(form->preview_frame_panel.background_colour(), sy::make_colour(205, 219, 239));
  EXPECT_EQ(form->hint_code_colour_label.text_colour(), sy::make_colour(47, 3, 222));
  EXPECT_EQ(form->auto_phrase_colour_label.text_colour(), sy::make_colour(255, 0, 128));
  EXPECT_FALSE(install.file_exists("shuoyun.ini")) << "opening must not create the file";
}

// The names in the skin directory in the order the directory lists them.
std::vector<std::string> listed_skins(const product_install& install) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(install.path_of("skin\\*.ini").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(entry.cFileName);
  while (FindNextFileA(search, &entry));
  FindClose(search);
  return names;
}

std::vector<std::string> items_of(const sy::drop_down& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.count(); ++i) items.push_back(list.item_text(i));
  return items;
}

TEST_F(dialog_loading, skin_list_offers_the_skin_files_and_selects_the_stored_one_ignoring_case) {
  struct row {
    const char* name;
    std::vector<std::string> skins;
    const char* file;
    const char* selected;  // also what "确认" writes; "" for none
  } rows[] = {
      {"other case", {"a.ini", "w_fox.ini", "b.ini"}, "[状态栏]\r\n皮肤名称=W_FOX.INI\r\n", "w_fox.ini"},
      {"absent key takes the default", {"l_blue.ini", "w_fox.ini"}, "", "w_fox.ini"},
      {"Chinese name, other case", {"a.ini", "蓝天.ini"}, "[状态栏]\r\n皮肤名称=蓝天.INI\r\n", "蓝天.ini"},
      {"stored name not on disk", {"a.ini"}, "[状态栏]\r\n皮肤名称=gone.ini\r\n", ""},
      {"no skin directory", {}, "[状态栏]\r\n皮肤名称=w_fox.ini\r\n", ""},
      {"only files named *.ini", {"a.ini", "notes.txt"}, "[状态栏]\r\n皮肤名称=notes.txt\r\n", ""},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    product_install fresh;
    if (!r.skins.empty()) fresh.add_skins(r.skins);
    fresh.write_file("shuoyun.ini", r.file);
    fresh.register_directory();
    form = sy::build_settings_window("\"shuoyun.opt\"");
    pump();

    EXPECT_EQ(items_of(form->skin_combo), listed_skins(fresh)) << "unsorted, as the directory lists them";
    const int selected = form->skin_combo.selected_index();
    EXPECT_EQ(selected < 0 ? "" : form->skin_combo.item_text(selected), r.selected);
    click(form->ok_button);
    EXPECT_EQ(written(fresh.read_file("shuoyun.ini"), "状态栏", "皮肤名称"), r.selected);
    form.reset();
  }
}

TEST_F(dialog_loading, choosing_a_skin_writes_its_name) {
  install.add_skins({"a.ini", "l_blue.ini"});
  open("[状态栏]\r\n皮肤名称=none.ini\r\n");
  const std::vector<std::string> items = items_of(form->skin_combo);
  const int blue = int(std::find(items.begin(), items.end(), "l_blue.ini") - items.begin());
  choose(form->skin_combo, blue);
  EXPECT_EQ(written(confirm(), "状态栏", "皮肤名称"), "l_blue.ini");
}

using dialog_saving = open_dialog;

// Moving to or away from the multi-line style resets the counts that suit it.
TEST_F(dialog_saving, style_change_rule) {
  struct row {
    const char* name;
    const char* stored_style;
    std::vector<int> choices;  // the user's picks in the style list, in order
    const char* search_total;
    const char* candidate_count;
    const char* full_code;
  } rows[] = {
      {"multi-line to rounded", "2", {1}, "5", "3", "1"},
      {"multi-line to square", "2", {0}, "5", "3", "1"},
      {"rounded to multi-line", "1", {2}, "9", "6", "0"},
      {"no style to multi-line", "7", {2}, "9", "6", "0"},
      {"multi-line kept", "2", {}, "7", "4", "0"},
      {"square to rounded", "0", {1}, "7", "4", "0"},
      {"no style kept", "7", {}, "7", "4", "0"},
      {"multi-line, away and back", "2", {0, 2}, "7", "4", "0"},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(system_section(std::string("外码提示个数=7\r\n候选项数=4\r\n全码时才显示词组=0\r\n汉字候选框式样=") +
                        r.stored_style + "\r\n")
             .c_str());
    for (const int choice : r.choices) choose(form->style_combo, choice);
    const std::string file = confirm();
    EXPECT_EQ(written(file, "系统设置", "外码提示个数"), r.search_total);
    EXPECT_EQ(written(file, "系统设置", "候选项数"), r.candidate_count);
    EXPECT_EQ(written(file, "系统设置", "全码时才显示词组"), r.full_code);
    EXPECT_EQ(file.find("全码时才显示词组"), file.rfind("全码时才显示词组")) << "one line for the key";
    form.reset();
  }
}

TEST_F(dialog_saving, confirming_again_without_changes_keeps_the_file) {
  open(nullptr);
  const std::string first = confirm();
  form.reset();
  open(nullptr);
  EXPECT_EQ(confirm(), first);
}

TEST_F(dialog_saving, disabled_controls_are_saved_with_their_values) {
  open(system_section("启用出错报警功能=0\r\n强制扬声器报警=0\r\n扬声器报警音调=abc\r\n").c_str());
  ASSERT_FALSE(form->speaker_alarm_check.is_enabled());
  ASSERT_FALSE(form->speaker_tone_edit.is_enabled());
  form->speaker_tone_edit.set_text("700");
  const std::string file = confirm();
  EXPECT_EQ(written(file, "系统设置", "强制扬声器报警"), "0");
  EXPECT_EQ(written(file, "系统设置", "扬声器报警音调"), "700");
}

TEST_F(dialog_saving, lines_changed_by_others_while_open_are_kept) {
  open("[词库]\r\n主码表=a.mb\r\n");
  install.write_file("shuoyun.ini", "[词库]\r\n主码表=b.mb\r\n");  // the editor saved meanwhile
  const std::string file = confirm();
  EXPECT_EQ(file.rfind("[词库]\r\n主码表=b.mb\r\n[状态栏]\r\n", 0), 0u) << file;
}

TEST_F(dialog_saving, the_input_method_hears_once_after_the_file_is_complete) {
  standin_process input_method(install.path_of("input_method.log"), install.settings_path());
  ASSERT_TRUE(input_method.ready());
  open(nullptr);
  const std::string file = confirm();
  const std::vector<standin_message> received = input_method.received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].wparam, 105u);
  EXPECT_EQ(received[0].file_state, std::to_string(file.size()));
  EXPECT_TRUE(close_requested);
}

// A failed save is reported and loses nothing: the file stays as it was, the
// input method hears nothing, and the dialog stays open with the user's choices.
class failed_save : public open_dialog {
protected:
  void expect_refused(unsigned long expected_error, const std::string& before) {
    standin_process input_method(install.path_of("..\\input_method.log"));
    ASSERT_TRUE(input_method.ready());
    EXPECT_EQ(form->save_settings(), expected_error);
    pump();
    EXPECT_EQ(install.read_file("shuoyun.ini"), before);
    EXPECT_TRUE(input_method.received().empty());
    EXPECT_FALSE(close_requested);
  }
};

const char STORED[] = "[系统设置]\r\n候选窗光标跟随=0\r\n";

TEST_F(failed_save, read_only_file) {
  open(STORED);
  install.set_read_only("shuoyun.ini", true);
  expect_refused(ERROR_ACCESS_DENIED, STORED);
}

TEST_F(failed_save, vanished_directory) {
  open(STORED);
  DeleteFileA(install.settings_path().c_str());
  RemoveDirectoryA(install.directory().c_str());
  expect_refused(ERROR_PATH_NOT_FOUND, "<missing>");
}

TEST_F(failed_save, file_held_open_by_another_program) {
  open(STORED);
  const HANDLE holder =
      CreateFileA(install.settings_path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  expect_refused(ERROR_SHARING_VIOLATION, STORED);
  CloseHandle(holder);
}

// The dialog showed defaults in place of the unreadable settings: writing
// them would replace the user's settings with defaults, even once the file
// can be read again.
TEST_F(failed_save, file_unreadable_when_the_dialog_opened) {
  install.write_file("shuoyun.ini", STORED);
  const HANDLE holder =
      CreateFileA(install.settings_path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  open(nullptr);
  CloseHandle(holder);
  expect_refused(ERROR_SHARING_VIOLATION, STORED);
}

// What the user sees of a failure, and that "确认" works again once the cause is gone.
struct message_box_watch {
  HWND owner = nullptr;
  std::string texts;
  std::string caption;
  int seen = 0;
};
message_box_watch g_watch;

void CALLBACK close_message_box(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != "#32770" || GetWindow(window, GW_OWNER) != g_watch.owner) return TRUE;
        ++g_watch.seen;
        char text[1024] = {};
        GetWindowTextA(window, text, sizeof text);
        g_watch.caption = text;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM) -> BOOL {
              char part[1024] = {};
              GetWindowTextA(child, part, sizeof part);
              g_watch.texts += std::string(part) + "\n";
              return TRUE;
            },
            0);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        return FALSE;
      },
      0);
}

TEST_F(failed_save, ok_tells_the_user_and_a_later_ok_saves_the_same_choices) {
  install.register_directory("系统目录98");
  open(STORED, "98 0");
  install.set_read_only("shuoyun.ini", true);
  click(form->follow_cursor_check);

  g_watch = message_box_watch{};
  g_watch.owner = form->settings_window.handle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, close_message_box);
  click(form->ok_button);
  KillTimer(nullptr, timer);

  EXPECT_EQ(g_watch.seen, 1);
  EXPECT_EQ(g_watch.caption, "朔云中文系统设置98");
  EXPECT_NE(g_watch.texts.find(install.settings_path()), std::string::npos) << g_watch.texts;
  char reason[256] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0, reason,
                 sizeof reason, nullptr);
  const std::string first_line(reason, std::strcspn(reason, "\r\n"));
  EXPECT_NE(g_watch.texts.find(first_line), std::string::npos) << "the system's reason: " << g_watch.texts;
  EXPECT_FALSE(close_requested);
  EXPECT_EQ(install.read_file("shuoyun.ini"), STORED);
  EXPECT_TRUE(form->follow_cursor_check.is_checked());

  install.set_read_only("shuoyun.ini", false);
  EXPECT_EQ(written(confirm(), "系统设置", "候选窗光标跟随"), "1");
  EXPECT_TRUE(close_requested);
}

}  // namespace
}  // namespace sy_test
