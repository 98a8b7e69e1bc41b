#include "common/reload.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using sy::window_handle;

TEST(reload, message_and_codes) {
  EXPECT_EQ(sy::RELOAD_MESSAGE, 0x0400u + 100);
  EXPECT_EQ(sy::RELOAD_SETTINGS, 'i');
  EXPECT_EQ(sy::RELOAD_USER_TABLE, 'q');
  EXPECT_EQ(sy::RELOAD_QUICK_PHRASES, 'p');
  EXPECT_STREQ(sy::INPUT_METHOD_WINDOW_CLASS, "SYCLASS_UI");
}

TEST(reload_codes_for, substring_searches_in_fixed_order) {
  const struct {
    const char* file;
    std::vector<int> expected;
  } cases[] = {
      {"C:\\IME\\shuoyun.usr", {113}},
      {"C:\\IME\\SHUOYUN.USR", {}},  // case-sensitive
      {"C:\\IME\\shuoyun.usr.bak", {113}},
      {"C:\\IME\\shuoyun.ini", {105}},
      {"C:\\IME\\quick.mb", {112}},
      {"D:\\quick.mb\\shuoyun.ini", {105, 112}},
      {"quick.mb shuoyun.ini shuoyun.usr", {113, 105, 112}},
      {"C:\\IME\\readme.txt", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::reload_codes_for(c.file), c.expected) << c.file;
}

// Records every call in order, as text, so that a test states the whole
// conversation with the window system.
struct recording_windows : sy::window_system {
  std::set<window_handle> live;  // windows that exist
  window_handle input_method = 0;  // the window of class SYCLASS_UI, 0 when none
  std::vector<std::string> calls;

  bool is_window(window_handle window) override {
    calls.push_back("is_window " + std::to_string(window));
    return live.count(window) != 0;
  }
  window_handle find_input_method_window() override {
    calls.push_back("find");
    return input_method;
  }
  void send_reload(window_handle window, int code) override {
    calls.push_back("send " + std::to_string(window) + " " + std::to_string(code));
  }
};

TEST(notify_settings_reload, command_line_window_first_then_class) {
  const struct {
    const char* name;
    int32_t command_line_window;
    std::set<window_handle> live;
    window_handle input_method;
    std::vector<std::string> calls;
  } cases[] = {
      {"live handle wins over the class", 1234, {1234, 77}, 77, {"is_window 1234", "send 1234 105"}},
      {"no handle, input method running", 0, {77}, 77, {"is_window 0", "find", "send 77 105"}},
      {"stale handle falls back to the class", 999, {77}, 77, {"is_window 999", "find", "send 77 105"}},
      {"nothing to notify", 0, {}, 0, {"is_window 0", "find"}},
      {"stale handle, no input method", 999, {}, 0, {"is_window 999", "find"}},
      {"negative handle is just stale", -1553, {77}, 77, {"is_window -1553", "find", "send 77 105"}},
  };
  for (const auto& c : cases) {
    recording_windows ws;
    ws.live = c.live;
    ws.input_method = c.input_method;
    sy::notify_settings_reload(ws, c.command_line_window);
    EXPECT_EQ(ws.calls, c.calls) << c.name;
  }
}

TEST(notify_file_reload, one_window_and_one_message_per_code) {
  const struct {
    const char* file;
    window_handle input_method;
    std::vector<std::string> calls;
  } cases[] = {
      {"C:\\IME\\shuoyun.usr", 77, {"find", "send 77 113"}},
      {"D:\\quick.mb\\shuoyun.ini", 77, {"find", "send 77 105", "send 77 112"}},
      {"C:\\IME\\readme.txt", 77, {"find"}},
      {"C:\\IME\\shuoyun.usr", 0, {"find"}},
      {"D:\\quick.mb\\shuoyun.ini", 0, {"find"}},
  };
  for (const auto& c : cases) {
    recording_windows ws;
    ws.input_method = c.input_method;
    sy::notify_file_reload(ws, c.file);
    EXPECT_EQ(ws.calls, c.calls) << c.file;
  }
}

}  // namespace
