// edit.exe as a separate process, driven from outside as a user would drive
// it: its menu commands chosen, its message boxes answered, and the file's
// bytes, its time and the exit code checked afterwards.
#include "editor/editor_commands.h"
#include "tests/wine/editor/editor_process.h"
#include "tests/wine/support/files.h"
#include "tests/wine/standin/standin_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sy::DISCARD_AND_EXIT_COMMAND;
using sy::SAVE_AND_EXIT_COMMAND;
using sy_test::editor_process;
using sy_test::read_bytes;
using sy_test::temp_directory;
using sy_test::write_bytes;

std::string in_quotes(const std::string& path) { return "\"" + path + "\""; }

// Opens `path`, chooses "存盘退出" and waits for a clean end.
testing::AssertionResult save_unchanged(const std::string& arguments, const std::string& work_dir = "") {
  editor_process editor(arguments, work_dir);
  if (!editor.wait_until_ready()) return testing::AssertionFailure() << "no editor window";
  editor.choose(SAVE_AND_EXIT_COMMAND);
  if (!editor.wait_for_exit()) return testing::AssertionFailure() << "the editor did not end";
  if (editor.exit_code() != 0) return testing::AssertionFailure() << "exit code " << editor.exit_code();
  return testing::AssertionSuccess();
}

TEST(editor_e2e, shows_the_file_and_saves_it_back_by_the_line_rules) {
  struct file_case {
    const char* name;
    std::string before;
    std::u16string shown;
    std::string after;
  };
  const file_case cases[] = {
      {"no final line end", "a\r\nb", u"a\r\nb\r\n", "a\r\nb\r\n"},
      {"CR LF text stays as it is", "aaa 工\r\nbbb 了\r\n", u"aaa 工\r\nbbb 了\r\n", "aaa 工\r\nbbb 了\r\n"},
      {"a CR alone ends a line", "a\rb\r\n", u"a\r\nb\r\n", "a\r\nb\r\n"},
      {"LF alone is a character", "a\nb\n", u"a\nb\n\r\n", "a\nb\n\r\n"},
      {"empty file", "", u"", ""},
      {"a lone CR at the very end", "a\r", u"a\r\n", "a\r\n"},
      // Bytes that are no GBK character are shown as stand-ins and written
      // back as they were; the part from 0x1A on is not shown but kept.
      {"bytes that are not GBK and a 0x1A tail",
       std::string("\x81\r\n\xFF\xD6\xD0x\x80\r\n\x1A\xFFtail\0\r", 17),
       {0xDC81, u'\r', u'\n', 0xDCFF, 0x4E2D, u'x', 0xDC80, u'\r', u'\n'},
       std::string("\x81\r\n\xFF\xD6\xD0x\x80\r\n\x1A\xFFtail\0\r", 17)},
      {"0x1A at the start", "\x1A" "abc", u"", "\x1A" "abc"},
  };
  for (const file_case& c : cases) {
    SCOPED_TRACE(c.name);
    temp_directory dir;
    const std::string path = dir / "shuoyun.usr";
    write_bytes(path, c.before);
    editor_process editor(in_quotes(path));
    ASSERT_TRUE(editor.wait_until_ready());
    EXPECT_EQ(editor.text(), c.shown);
    editor.choose(SAVE_AND_EXIT_COMMAND);
    ASSERT_TRUE(editor.wait_for_exit());
    EXPECT_EQ(editor.exit_code(), 0u);
    EXPECT_EQ(read_bytes(path), c.after);
  }
}

TEST(editor_e2e, saves_what_the_user_typed) {
  temp_directory dir;
  const std::string path = dir / "quick.mb";
  write_bytes(path, "aa 工\r\n");
  editor_process editor(in_quotes(path));
  ASSERT_TRUE(editor.wait_until_ready());
  editor.type_text(u"zz 朔云\r");
  editor.choose(SAVE_AND_EXIT_COMMAND);
  ASSERT_TRUE(editor.wait_for_exit());
  EXPECT_EQ(editor.exit_code(), 0u);
  EXPECT_EQ(read_bytes(path), "zz 朔云\r\naa 工\r\n");
}

// Arguments are taken as the system's command line gives them: quoted with
// spaces, relative to the current directory, with Chinese names.
TEST(editor_e2e, finds_the_file_however_the_argument_names_it) {
  temp_directory dir;
  sy_test::make_dir(dir / "Program Files");
  sy_test::make_dir(dir / "Program Files\\朔云中文");
  const std::string spaced = dir / "Program Files\\朔云中文\\quick.mb";
  write_bytes(spaced, "a\rb");
  {
    // The status bar names the file as the argument gave it, without the quotes.
    editor_process editor(in_quotes(spaced));
    ASSERT_TRUE(editor.wait_until_ready());
    const size_t path_length = size_t(MultiByteToWideChar(936, 0, spaced.data(), int(spaced.size()), nullptr, 0));
    EXPECT_EQ(editor.status_length(), std::u16string(u"当前文件：").size() + path_length);
  }
  EXPECT_TRUE(save_unchanged(in_quotes(spaced)));
  EXPECT_EQ(read_bytes(spaced), "a\r\nb\r\n");

  write_bytes(dir / "shuoyun.ini", "x");
  EXPECT_TRUE(save_unchanged("shuoyun.ini", dir.path()));
  EXPECT_EQ(read_bytes(dir / "shuoyun.ini"), "x\r\n");
}

TEST(editor_e2e, discard_asks_and_no_keeps_editing_yes_leaves_the_file_alone) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.usr";
  write_bytes(path, "a\nb");
  const uint64_t time_before = sy_test::write_time_of(path);
  editor_process editor(in_quotes(path));
  ASSERT_TRUE(editor.wait_until_ready());
  editor.type_text(u"typed ");

  editor.choose(DISCARD_AND_EXIT_COMMAND);
  HWND box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(sy_test::box_text(box), "文件尚未保存，确认放弃退出吗？    \r");
  EXPECT_EQ(GetWindow(box, GW_OWNER), editor.main_window());
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  sy_test::press_box_button(box, IDNO);
  EXPECT_FALSE(editor.wait_for_exit(1500));
  EXPECT_EQ(editor.find_box("信息"), nullptr);
  EXPECT_EQ(editor.text(), u"typed a\nb\r\n");

  editor.choose(DISCARD_AND_EXIT_COMMAND);
  box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  sy_test::press_box_button(box, IDYES);
  ASSERT_TRUE(editor.wait_for_exit());
  EXPECT_EQ(editor.exit_code(), 0u);
  EXPECT_EQ(read_bytes(path), "a\nb");
  EXPECT_EQ(sy_test::write_time_of(path), time_before);
}

// The reload codes come from the name exactly as given, and only after the
// file has been written completely and closed.
TEST(editor_e2e, save_tells_the_input_method_which_file_to_reload) {
  struct reload_case {
    const char* path;  // below the test's directory
    std::vector<int> codes;
  };
  const reload_case cases[] = {
      {"shuoyun.usr", {113}},
      {"SHUOYUN.USR", {}},
      {"shuoyun.usr.bak", {113}},
      {"quick.mb\\shuoyun.ini", {105, 112}},
      {"readme.txt", {}},
  };
  for (const reload_case& c : cases) {
    SCOPED_TRACE(c.path);
    temp_directory dir;
    sy_test::make_dir(dir / "quick.mb");
    const std::string path = dir / c.path;
    write_bytes(path, "a");
    sy_test::standin_process input_method(dir / "received.log", path);
    ASSERT_TRUE(input_method.ready());
    EXPECT_TRUE(save_unchanged(in_quotes(path)));
    EXPECT_EQ(read_bytes(path), "a\r\n");
    EXPECT_EQ(input_method.reload_codes(), c.codes);
    for (const sy_test::standin_message& m : input_method.received()) {
      EXPECT_EQ(m.message, 1124u);
      EXPECT_EQ(m.lparam, 0);
      EXPECT_EQ(m.file_state, "3");  // the whole new file was on disk
    }
    EXPECT_EQ(input_method.close(), 0u);
  }
}

TEST(editor_e2e, save_without_an_input_method_writes_and_ends) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.usr";
  write_bytes(path, "a\rb");
  ASSERT_EQ(FindWindowA("SYCLASS_UI", nullptr), nullptr);
  EXPECT_TRUE(save_unchanged(in_quotes(path)));
  EXPECT_EQ(read_bytes(path), "a\r\nb\r\n");
}

// A failed file operation ends the editor with the system's error number,
// after a box that says so; a failed save leaves the file as it was.
TEST(editor_e2e, file_errors_end_the_editor_with_the_system_error_number) {
  struct error_case {
    const char* name;
    bool at_save;
    DWORD error;
  };
  const error_case cases[] = {
      {"missing file", false, ERROR_FILE_NOT_FOUND},
      {"missing directory", false, ERROR_PATH_NOT_FOUND},
      {"open for writing elsewhere while loading", false, ERROR_SHARING_VIOLATION},
      {"read-only file at save", true, ERROR_ACCESS_DENIED},
      {"open for writing elsewhere at save", true, ERROR_SHARING_VIOLATION},
  };
  for (const error_case& c : cases) {
    SCOPED_TRACE(c.name);
    temp_directory dir;
    std::string path = dir / "shuoyun.usr";
    const std::string content = "aa 工\r\n";
    HANDLE writer = INVALID_HANDLE_VALUE;
    auto hold_open_for_writing = [&] {
      writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
      ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    };
    if (c.error == ERROR_PATH_NOT_FOUND) path = dir / "none\\shuoyun.usr";
    if (c.error != ERROR_FILE_NOT_FOUND && c.error != ERROR_PATH_NOT_FOUND) write_bytes(path, content);
    if (c.error == ERROR_ACCESS_DENIED) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    if (c.error == ERROR_SHARING_VIOLATION && !c.at_save) hold_open_for_writing();

    sy_test::standin_process input_method(dir / "received.log");
    editor_process editor(in_quotes(path));
    ASSERT_TRUE(editor.wait_until_ready());
    if (c.at_save) {
      if (c.error == ERROR_SHARING_VIOLATION) hold_open_for_writing();
      editor.choose(SAVE_AND_EXIT_COMMAND);
    }
    HWND box = editor.wait_for_box("Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const std::string prefix = "Runtime error " + std::to_string(c.error) + " at ";
    EXPECT_EQ(sy_test::box_text(box).substr(0, prefix.size()), prefix) << sy_test::box_text(box);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    sy_test::press_box_button(box, IDOK);
    ASSERT_TRUE(editor.wait_for_exit());
    EXPECT_EQ(editor.exit_code(), c.error);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    if (c.at_save) {
      EXPECT_EQ(read_bytes(path), content);
      EXPECT_EQ(input_method.reload_codes(), std::vector<int>{});
    }
  }
}

// The input method stores a chosen phrase in its user table at once, also
// while the editor is open: saving must not wipe that out unasked.
TEST(editor_e2e, save_asks_before_replacing_a_change_made_by_another_program) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.usr";
  write_bytes(path, "aa 工\r\n");
  editor_process editor(in_quotes(path));
  ASSERT_TRUE(editor.wait_until_ready());
  // Same size and the old time back: only the content tells.
  const uint64_t loaded_time = sy_test::write_time_of(path);
  write_bytes(path, "bb 了\r\n");
  sy_test::set_write_time(path, loaded_time);

  editor.choose(SAVE_AND_EXIT_COMMAND);
  HWND box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  sy_test::press_box_button(box, IDNO);
  EXPECT_FALSE(editor.wait_for_exit(1500));
  EXPECT_EQ(read_bytes(path), "bb 了\r\n");

  editor.choose(SAVE_AND_EXIT_COMMAND);
  box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  sy_test::press_box_button(box, IDYES);
  ASSERT_TRUE(editor.wait_for_exit());
  EXPECT_EQ(editor.exit_code(), 0u);
  EXPECT_EQ(read_bytes(path), "aa 工\r\n");
}

// A character that GBK cannot hold is never replaced silently: the save
// stops, says which character on which line, and nothing is written.
TEST(editor_e2e, save_refuses_a_typed_character_that_gbk_cannot_hold) {
  temp_directory dir;
  const std::string path = dir / "quick.mb";
  write_bytes(path, "line one\r\nline two\r\n");
  const uint64_t time_before = sy_test::write_time_of(path);
  editor_process editor(in_quotes(path));
  ASSERT_TRUE(editor.wait_until_ready());
  const LRESULT line_two = SendMessageW(editor.text_area(), EM_LINEINDEX, 1, 0);
  SendMessageW(editor.text_area(), EM_SETSEL, line_two, line_two);
  editor.type_text(u"\uAC00");  // a Hangul syllable

  editor.choose(SAVE_AND_EXIT_COMMAND);
  HWND box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  wchar_t text[512] = {};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  const std::u16string message(reinterpret_cast<const char16_t*>(text));
  EXPECT_NE(message.find(u"第 2 行"), std::u16string::npos) << sy_test::box_text(box);
  EXPECT_NE(message.find(u"\uAC00"), std::u16string::npos);
  EXPECT_NE(message.find(u"U+AC00"), std::u16string::npos);
  sy_test::press_box_button(box, IDOK);
  EXPECT_FALSE(editor.wait_for_exit(1500));
  EXPECT_EQ(read_bytes(path), "line one\r\nline two\r\n");
  EXPECT_EQ(sy_test::write_time_of(path), time_before);
}

TEST(editor_e2e, without_a_file_argument_the_text_is_empty_and_save_keeps_editing) {
  temp_directory dir;
  editor_process editor("", dir.path());
  ASSERT_TRUE(editor.wait_until_ready());
  EXPECT_EQ(editor.text(), u"");
  editor.type_text(u"abc");
  editor.choose(SAVE_AND_EXIT_COMMAND);
  HWND box = editor.wait_for_box("信息");
  ASSERT_NE(box, nullptr);
  sy_test::press_box_button(box, IDOK);
  EXPECT_FALSE(editor.wait_for_exit(1500));
  EXPECT_EQ(editor.text(), u"abc");
}

}  // namespace
