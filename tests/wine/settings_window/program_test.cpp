// shuoyun.opt as its own process: it shows its window centred on the first
// pages, "确认" and "放弃" close it with exit code 0, and the end of the
// Windows session ends it at once.

#include "tests/wine/settings_window/test_support.h"
#include "tests/wine/support/process.h"

#include <gtest/gtest.h>

namespace sy_test {
namespace {

class program_run {
 public:
  explicit program_run(const std::string& arguments) : process_(bin_dir() + "shuoyun.opt", arguments) {}

  // The program's visible main window, or null after the time-out.
  HWND wait_for_window(DWORD timeout_ms = 20000) const {
    const DWORD id = process_.id();
    HWND found = nullptr;
    for (DWORD waited = 0; process_.started() && waited < timeout_ms && !found; waited += 50) {
      found = find_top_level([id](HWND w) {
        return process_of(w) == id && class_of(w) == "sy_settings_window" && IsWindowVisible(w);
      });
      if (!found) Sleep(50);
    }
    return found;
  }

  // The exit code, or STILL_ACTIVE when the process did not end in time.
  DWORD wait_for_exit(DWORD timeout_ms = 20000) {
    return process_.wait_for_exit(timeout_ms) ? process_.exit_code() : STILL_ACTIVE;
  }

 private:
  child_process process_;  // terminated by its handle if it still runs at the end
};

HWND find_child(HWND parent, const char* class_name, const std::string& caption) {
  for (HWND child : children_of(parent))
    if (class_of(child) == class_name && window_text(child) == caption) return child;
  return nullptr;
}

class program_test : public testing::Test {
 protected:
  temp_install install;
};

TEST_F(program_test, shows_its_window_centred_on_the_first_pages) {
  program_run program("");
  HWND window = program.wait_for_window();
  ASSERT_NE(window, nullptr);
  RECT r{};
  GetWindowRect(window, &r);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2);
  // The visible check boxes are those of page 基本设置.
  HWND first = find_child(window, "Button", "编码拼音同时检索");
  HWND elsewhere = find_child(window, "Button", "启用网络输入模式");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(elsewhere, nullptr);
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_FALSE(IsWindowVisible(elsewhere));
  EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(program_test, ok_and_cancel_close_it_with_exit_code_0) {
  struct button_case {
    const char* caption;
    bool writes;
  } cases[] = {{"放弃", false}, {"确认", true}};
  for (const button_case& c : cases) {
    SCOPED_TRACE(c.caption);
    program_run program("");
    HWND window = program.wait_for_window();
    ASSERT_NE(window, nullptr);
    HWND button = find_child(window, "Button", c.caption);
    ASSERT_NE(button, nullptr);
    PostMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0u);
    EXPECT_EQ(install.read_file("shuoyun.ini") != "<missing>", c.writes);
  }
}

TEST_F(program_test, the_end_of_the_session_ends_it_at_once) {
  program_run program("");
  HWND window = program.wait_for_window();
  ASSERT_NE(window, nullptr);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 2000, &result);
  EXPECT_EQ(program.wait_for_exit(5000), 0u);
  EXPECT_EQ(install.read_file("shuoyun.ini"), "<missing>");
}

}  // namespace
}  // namespace sy_test
