// The reload notification through real windows: recorder windows of this
// thread for the rules of who gets which code, and the stand-in input method
// as a separate process for delivery across processes.
#include "common/reload.h"
#include "common/win/ini_file.h"
#include "common/win/win_window_system.h"

#include "tests/wine/standin/standin_process.h"
#include "tests/wine/support/files.h"
#include "tests/wine/support/windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct received {
  HWND window;
  WPARAM wparam;
  LPARAM lparam;
  bool operator==(const received& o) const { return window == o.window && wparam == o.wparam && lparam == o.lparam; }
};

std::vector<received> g_received;

LRESULT CALLBACK record_reloads(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == sy::RELOAD_MESSAGE) {
    g_received.push_back({window, wparam, lparam});
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

HWND create_recorder(const char* class_name) { return sy_test::create_window_of_class(class_name, record_reloads, WS_POPUP); }

int32_t as_command_line_number(HWND window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); }

// A window of the input method's class and one of another class, both in
// this thread, so every message has arrived when SendMessage returns.
class reload_windows_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindWindowA(sy::INPUT_METHOD_WINDOW_CLASS, nullptr), nullptr) << "another input method window exists";
    input_method_ = create_recorder(sy::INPUT_METHOD_WINDOW_CLASS);
    other_ = create_recorder("sy_other_window");
    ASSERT_TRUE(input_method_ && other_);
    g_received.clear();
  }
  void TearDown() override {
    if (IsWindow(input_method_)) DestroyWindow(input_method_);
    if (IsWindow(other_)) DestroyWindow(other_);
  }

  std::vector<received> settings_reloads_to(HWND window) const { return {{window, sy::RELOAD_SETTINGS, 0}}; }

  sy::win_window_system windows_;
  HWND input_method_ = nullptr;
  HWND other_ = nullptr;
};

TEST_F(reload_windows_test, finds_the_input_method_window_by_class) {
  EXPECT_EQ(windows_.find_input_method_window(), reinterpret_cast<sy::window_handle>(input_method_));
  EXPECT_TRUE(windows_.is_window(reinterpret_cast<sy::window_handle>(other_)));
  EXPECT_FALSE(windows_.is_window(0));
  DestroyWindow(input_method_);
  EXPECT_EQ(windows_.find_input_method_window(), 0);
}

TEST_F(reload_windows_test, live_command_line_window_gets_the_one_message) {
  sy::notify_settings_reload(windows_, as_command_line_number(other_));
  EXPECT_EQ(g_received, settings_reloads_to(other_));
}

TEST_F(reload_windows_test, without_a_live_command_line_window_the_class_is_looked_up) {
  const HWND stale = create_recorder("sy_other_window");
  DestroyWindow(stale);
  for (const int32_t command_line_window : {0, as_command_line_number(stale)}) {
    SCOPED_TRACE(command_line_window);
    g_received.clear();
    sy::notify_settings_reload(windows_, command_line_window);
    EXPECT_EQ(g_received, settings_reloads_to(input_method_));
  }
}

TEST_F(reload_windows_test, without_any_window_nothing_is_sent) {
  DestroyWindow(input_method_);
  sy::notify_settings_reload(windows_, 0);
  sy::notify_file_reload(windows_, "C:\\IME\\shuoyun.usr");
  EXPECT_TRUE(g_received.empty());
}

TEST_F(reload_windows_test, saved_file_name_decides_the_codes) {
  const struct {
    const char* file;
    std::vector<WPARAM> codes;
  } cases[] = {
      {"C:\\IME\\shuoyun.usr", {113}},
      {"C:\\IME\\SHUOYUN.USR", {}},
      {"C:\\IME\\shuoyun.usr.bak", {113}},
      {"D:\\quick.mb\\shuoyun.ini", {105, 112}},
      {"C:\\IME\\readme.txt", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    g_received.clear();
    sy::notify_file_reload(windows_, c.file);
    std::vector<received> expected;
    for (const WPARAM code : c.codes) expected.push_back({input_method_, code, 0});
    EXPECT_EQ(g_received, expected);
  }
}

// The input method as its own process: SendMessage must cross the process
// boundary, deliver the codes in order, and return only after the receiver
// has handled each one, when the saved file is already complete and closed.
TEST(reload_across_processes, stand_in_input_method_receives_exactly_the_codes_in_order) {
  ASSERT_EQ(FindWindowA(sy::INPUT_METHOD_WINDOW_CLASS, nullptr), nullptr) << "another input method window exists";
  sy_test::temp_directory dir;
  const std::string settings = dir / "shuoyun.ini";
  sy_test::standin_process input_method(dir / "reloads.log", settings);
  ASSERT_TRUE(input_method.ready());
  sy::win_window_system windows;
  ASSERT_EQ(windows.find_input_method_window(), reinterpret_cast<sy::window_handle>(input_method.window()));

  const sy::ini_document document = sy::ini_document::from_bytes("[高级设置]\r\n自动调频=1\r\n");
  ASSERT_EQ(sy::save_ini_file(settings, document), 0u);
  sy::notify_settings_reload(windows, 0);
  sy::notify_file_reload(windows, "D:\\quick.mb\\shuoyun.ini");
  sy::notify_file_reload(windows, "C:\\IME\\readme.txt");
  sy::notify_settings_reload(windows, as_command_line_number(input_method.window()));

  const std::vector<sy_test::standin_message> messages = input_method.received();
  EXPECT_EQ(input_method.reload_codes(), (std::vector<int>{105, 105, 112, 105}));
  for (const sy_test::standin_message& m : messages) {
    EXPECT_EQ(m.message, sy::RELOAD_MESSAGE);
    EXPECT_EQ(m.lparam, 0);
    EXPECT_EQ(m.file_state, std::to_string(document.bytes().size()));
  }

  // The stand-in notices a sender that notifies while still writing.
  const HANDLE writer = CreateFileA(settings.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  sy::notify_settings_reload(windows, 0);
  CloseHandle(writer);
  ASSERT_EQ(input_method.received().size(), messages.size() + 1);
  EXPECT_EQ(input_method.received().back().file_state, "error 32");

  EXPECT_EQ(input_method.close(), 0u);
  EXPECT_EQ(windows.find_input_method_window(), 0);
}

}  // namespace
