// shuoyun.opt as its own process: it shows its window centred on the first
// pages, "确认" and "放弃" close it with exit code 0, and the end of the
// Windows session ends it at once.

#include "tests/wine/settings_window/test_support.h"

#include <gtest/gtest.h>

namespace sy_test {
namespace {

std::string program_path() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path, length);
  return directory.substr(0, directory.find_last_of("\\/") + 1) + "shuoyun.opt";
}

class program_run {
 public:
  explicit program_run(const std::string& arguments) {
    std::string command = "\"" + program_path() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
  }
  ~program_run() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  program_run(const program_run&) = delete;
  program_run& operator=(const program_run&) = delete;

  // The program's visible main window, or null after the time-out.
  HWND wait_for_window(DWORD timeout_ms = 20000) const {
    struct search {
      DWORD process;
      HWND found;
    } s{info_.dwProcessId, nullptr};
    for (DWORD waited = 0; started_ && waited < timeout_ms && !s.found; waited += 50) {
      EnumWindows(
          [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<search*>(data);
            DWORD process = 0;
            GetWindowThreadProcessId(window, &process);
            if (process == s->process && class_of(window) == "sy_settings_window" && IsWindowVisible(window)) {
              s->found = window;
            }
            return s->found ? FALSE : TRUE;
          },
          LPARAM(&s));
      if (!s.found) Sleep(50);
    }
    return s.found;
  }

  // The exit code, or STILL_ACTIVE when the process did not end in time.
  DWORD wait_for_exit(DWORD timeout_ms = 20000) const {
    if (!started_ || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  bool started_ = false;
  PROCESS_INFORMATION info_{};
};

HWND find_child(HWND parent, const char* class_name, const std::string& caption) {
  struct search {
    const char* class_name;
    const std::string& caption;
    HWND found;
  } s{class_name, caption, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<search*>(data);
        if (class_of(child) == s->class_name && window_text(child) == s->caption) s->found = child;
        return s->found ? FALSE : TRUE;
      },
      LPARAM(&s));
  return s.found;
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
