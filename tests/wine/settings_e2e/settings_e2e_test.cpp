// The settings program run as a user runs it: its own process, started with
// the input method's command line, its buttons pressed; then the file's bytes,
// the reload messages that reached the input method's windows and the way the
// process ended are checked.
#include "tests/wine/settings_e2e/dialog_process.h"
#include "tests/wine/settings_load_save/product_install.h"
#include "tests/wine/standin/standin_process.h"

#include <gtest/gtest.h>

#include <string>

namespace sy_test {
namespace {

constexpr UINT RELOAD_MESSAGE = WM_USER + 100;
constexpr WPARAM RELOAD_SETTINGS = 105;

// What the program writes into an installation that has no settings file yet:
// every key with its default, sections and keys in the order the input method's
// own installer uses.
const char DEFAULT_FILE[] =
    "[状态栏]\r\n"
    "皮肤名称=w_fox.ini\r\n"
    "隐藏状态栏的按键=13\r\n"
    "状态栏自动定位=1\r\n"
    "隐藏状态栏=1\r\n"
    "[系统设置]\r\n"
    "全码时才显示词组=0\r\n"
    "外码提示个数=5\r\n"
    "候选项数=3\r\n"
    "汉字候选窗字号=12\r\n"
    "扬声器报警音调=603\r\n"
    "ctrl键切换功能=2\r\n"
    "RShift切换中英文=1\r\n"
    "汉字候选框式样=1\r\n"
    "候选窗光标跟随=0\r\n"
    "逗、句号功能=0\r\n"
    "启用外码提示功能=1\r\n"
    "检索的字符集=0\r\n"
    "强制扬声器报警=0\r\n"
    "启用快捷命令功能=0\r\n"
    "拼音时检索词组=0\r\n"
    "启用/输出顿号功能=1\r\n"
    "启用出错报警功能=1\r\n"
    "启用快捷英文功能=1\r\n"
    "五笔拼音同时检索=1\r\n"
    "在线删词快捷键包含Ctrl=1\r\n"
    "启用分号选词功能=1\r\n"
    "LShift选择第二重码=1\r\n"
    "候选窗背景色=255,255,234\r\n"
    "候选窗边框色=205,219,239\r\n"
    "候选汉字颜色=00,00,00\r\n"
    "候选字提示码颜色=47,03,222\r\n"
    "自动词组前景色=255,00,128\r\n"
    "自动词组背景色=255,255,234\r\n"
    "[高级设置]\r\n"
    "自动词组最大词长=5\r\n"
    "Enter功能=1\r\n"
    "启用快捷输入功能=1\r\n"
    "自动调频=0\r\n"
    "启用自动造词功能=1\r\n"
    "启用临时拼音=0\r\n"
    "禁用Z键重复录入功能=0\r\n"
    "自动造词时包括词组=1\r\n"
    "是否允许删除单字=0\r\n"
    "候选窗操作提示=0\r\n"
    "首字母大写自动英文=1\r\n"
    "汉字候选使用背景图=1\r\n"
    "启用网络浏览模式=1\r\n"
    "自动词组即选即存=1\r\n"
    "全码为空时自动清空=1\r\n"
    "用户以单字录入词组时提示=1\r\n"
    "禁用Ctrl功能组合键=0\r\n"
    "使用全半角切换快捷键=1\r\n";

// A file as users keep it: a comment, a section of the input method's own, a
// key this program does not know, values in odd forms.
const char USER_FILE[] =
    "; 朔云中文 settings\r\n"
    "[状态栏]\r\n"
    "皮肤名称=l_blue.ini\r\n"
    "隐藏状态栏的按键=9\r\n"
    "[词库]\r\n"
    "主码表=shuoyun.mb\r\n"
    "[系统设置]\r\n"
    "外码提示个数=7\r\n"
    "候选项数=4\r\n"
    "汉字候选框式样=2\r\n"
    "全码时才显示词组=0\r\n"
    "未知键=保留\r\n"
    "候选汉字颜色=0,0,0\r\n";

std::string hwnd_text(HWND window) {
  return std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
}

// The value of `key=` in the file's text, "<absent>" when no line has it.
std::string value_in(const std::string& file, const std::string& key) {
  const std::string needle = "\n" + key + "=";
  const std::size_t at = ("\n" + file).find(needle);
  if (at == std::string::npos) return "<absent>";
  const std::size_t start = at + needle.size() - 1;
  return file.substr(start, file.find("\r\n", start) - start);
}

class settings_program : public testing::Test {
protected:
  product_install install;
  // The running input method, found by its window class, in a process of its own.
  standin_process input_method{install.path_of("input_method.log"), install.settings_path()};
  caller_window caller;

  void SetUp() override { ASSERT_TRUE(input_method.ready()); }

  int reloads_to_caller() const {
    int count = 0;
    for (const received_message& m : caller.received())
      count += m.message == RELOAD_MESSAGE && m.wparam == RELOAD_SETTINGS && m.lparam == 0;
    return count;
  }
  std::size_t messages_received() const {
    return caller.received().size() + input_method.received().size();
  }

  // Presses a button and expects the program to end by itself with code 0.
  void press_and_expect_exit(dialog_process& dialog, const std::string& button) {
    dialog.press(button);
    ASSERT_TRUE(dialog.wait_for_exit()) << "still running after " << button;
    EXPECT_EQ(dialog.exit_code(), 0u);
  }
};

TEST_F(settings_program, ok_without_a_settings_file_writes_every_default_and_notifies_once) {
  install.add_skins({"l_blue.ini", "w_fox.ini"});
  install.register_directory();
  dialog_process dialog("");
  ASSERT_NE(dialog.wait_for_window(), nullptr);

  press_and_expect_exit(dialog, "确认");
  EXPECT_EQ(install.read_file("shuoyun.ini"), DEFAULT_FILE);
  const std::vector<standin_message> received = input_method.received();
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].message, RELOAD_MESSAGE);
  EXPECT_EQ(received[0].wparam, RELOAD_SETTINGS);
  EXPECT_EQ(received[0].lparam, 0);
  // The input method reads the file while it handles the message: it must be complete by then.
  EXPECT_EQ(received[0].file_state, std::to_string(sizeof DEFAULT_FILE - 1));
  EXPECT_TRUE(caller.received().empty());
}

TEST_F(settings_program, cancel_after_changes_leaves_the_file_and_sends_nothing) {
  install.write_file("shuoyun.ini", USER_FILE);
  install.register_directory();
  dialog_process dialog("x " + hwnd_text(caller.handle()));
  ASSERT_NE(dialog.wait_for_window(), nullptr);

  HWND alarm = dialog.find_control("Button", "重码或出错时报警");
  ASSERT_NE(alarm, nullptr);
  SendMessageA(alarm, BM_CLICK, 0, 0);
  press_and_expect_exit(dialog, "放弃");
  EXPECT_EQ(install.read_file("shuoyun.ini"), USER_FILE);
  EXPECT_EQ(messages_received(), 0u);
}

TEST_F(settings_program, ok_keeps_foreign_lines_and_notifies_the_window_named_on_the_command_line) {
  install.write_file("shuoyun.ini", USER_FILE);
  install.add_skins({"l_blue.ini"});
  install.register_directory("系统目录98");
  dialog_process dialog("98 " + hwnd_text(caller.handle()));
  HWND window = dialog.wait_for_window();
  ASSERT_NE(window, nullptr);
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "朔云中文系统设置98");

  press_and_expect_exit(dialog, "确认");
  const std::string file = install.read_file("shuoyun.ini");
  EXPECT_EQ(file.rfind("; 朔云中文 settings\r\n[状态栏]\r\n皮肤名称=l_blue.ini\r\n隐藏状态栏的按键=09\r\n", 0), 0u)
      << file;
  EXPECT_NE(file.find("\r\n[词库]\r\n主码表=shuoyun.mb\r\n[系统设置]\r\n"), std::string::npos) << file;
  EXPECT_EQ(value_in(file, "未知键"), "保留");
  EXPECT_EQ(value_in(file, "候选汉字颜色"), "00,00,00");
  EXPECT_EQ(value_in(file, "汉字候选框式样"), "2");
  EXPECT_EQ(value_in(file, "外码提示个数"), "7");
  EXPECT_EQ(reloads_to_caller(), 1);
  EXPECT_EQ(messages_received(), 1u) << "the input method's class must not be looked up as well";
}

TEST_F(settings_program, leaving_the_multi_line_style_resets_the_counts_it_had_raised) {
  install.write_file("shuoyun.ini", USER_FILE);
  install.register_directory();
  dialog_process dialog("");
  ASSERT_NE(dialog.wait_for_window(), nullptr);

  HWND style = dialog.find_list("式样");
  ASSERT_NE(style, nullptr);
  SendMessageA(style, CB_SETCURSEL, 1, 0);
  SendMessageA(GetParent(style), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(style), CBN_SELCHANGE), reinterpret_cast<LPARAM>(style));
  press_and_expect_exit(dialog, "确认");

  const std::string file = install.read_file("shuoyun.ini");
  EXPECT_EQ(value_in(file, "汉字候选框式样"), "1");
  EXPECT_EQ(value_in(file, "外码提示个数"), "5");
  EXPECT_EQ(value_in(file, "候选项数"), "3");
  EXPECT_EQ(value_in(file, "全码时才显示词组"), "1");
}

// A save that cannot be written must not pass for a success: the user is told
// which file failed and why, the input method hears nothing, and the dialog
// stays open with the user's choices so that they can retry or give up.
void expect_failed_save_is_reported(dialog_process& dialog, const std::string& settings_path,
                                    const standin_process& input_method, const std::string& before) {
  dialog.press("确认");
  HWND box = dialog.wait_for_message_box();
  ASSERT_NE(box, nullptr) << "no message box owned by the dialog";
  const std::string texts = dialog_process::texts_of(box);
  EXPECT_NE(texts.find(settings_path), std::string::npos) << texts;
  EXPECT_TRUE(dialog.running());
  EXPECT_EQ(read_file(settings_path), before);
  EXPECT_EQ(input_method.received().size(), 0u);

  PostMessageA(box, WM_COMMAND, IDOK, 0);
  pump_messages_for(300);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_TRUE(dialog.running()) << "the dialog closed after a failed save";
  EXPECT_EQ(input_method.received().size(), 0u);
  dialog.press("放弃");
  ASSERT_TRUE(dialog.wait_for_exit());
  EXPECT_EQ(dialog.exit_code(), 0u);
  EXPECT_EQ(read_file(settings_path), before);
}

TEST_F(settings_program, a_read_only_settings_file_is_reported_and_left_alone) {
  install.write_file("shuoyun.ini", USER_FILE);
  install.set_read_only("shuoyun.ini", true);
  install.register_directory();
  dialog_process dialog("");
  ASSERT_NE(dialog.wait_for_window(), nullptr);
  expect_failed_save_is_reported(dialog, install.settings_path(), input_method, USER_FILE);
}

TEST_F(settings_program, a_vanished_installation_directory_is_reported) {
  const std::string gone = install.directory() + "\\gone";
  install.register_value("系统目录", gone);
  dialog_process dialog("");
  ASSERT_NE(dialog.wait_for_window(), nullptr);
  expect_failed_save_is_reported(dialog, gone + "\\shuoyun.ini", input_method, "<missing>");
}

TEST_F(settings_program, closes_by_itself_and_writes_nothing_without_its_registry_entry) {
  struct registry_case {
    const char* name;
    bool key;
    const char* arguments;
  } cases[] = {
      {"no key", false, ""},
      {"value of the other variant only", true, "98"},
  };
  for (const registry_case& c : cases) {
    SCOPED_TRACE(c.name);
    product_install::remove_registry_key();
    if (c.key) install.register_directory("系统目录");
    dialog_process dialog(c.arguments);
    ASSERT_TRUE(dialog.wait_for_exit());
    EXPECT_EQ(dialog.exit_code(), 0u);
    EXPECT_FALSE(install.file_exists("shuoyun.ini"));
    EXPECT_EQ(messages_received(), 0u);
  }
}

}  // namespace
}  // namespace sy_test
