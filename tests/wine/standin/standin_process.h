#pragma once
// Starts sy_input_method_standin.exe (standin.cpp) as the running input
// method for a test: a separate process with a hidden "SYCLASS_UI" window
// that logs every reload message. Header only; include it from any Wine test
// whose binary lies in the bin directory beside the stand-in (every test
// binary does), link sy_wine_test_support and
// add_dependencies(<test> sy_input_method_standin).
//
//   sy_test::standin_process input_method(log_path);   // waits until it is up
//   ASSERT_TRUE(input_method.ready());
//   ... the program under test saves and notifies ...
//   EXPECT_EQ(input_method.reload_codes(), (std::vector<int>{105}));
//   EXPECT_EQ(input_method.close(), 0u);               // or let it go out of scope
//
// Only one window of the class should exist at a time: tests that start it
// take the CTest lock input_method_window.
#include "tests/wine/support/files.h"
#include "tests/wine/support/process.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace sy_test {

struct standin_message {
  unsigned message = 0;  // always 1124
  uintptr_t wparam = 0;
  intptr_t lparam = 0;
  std::string file_state;  // with a watched file: its size, or "error <code>"
};

class standin_process {
 public:
  // log_path and watched_file are ANSI (GBK) paths; the log is created anew.
  // Waits up to timeout_ms for the window; ready() tells whether it came.
  explicit standin_process(const std::string& log_path, const std::string& watched_file = {},
                           DWORD timeout_ms = 20000)
      : log_path_(log_path), process_(bin_dir() + "sy_input_method_standin.exe", arguments(log_path, watched_file)) {
    if (!process_.started()) return;
    for (DWORD waited = 0; waited < timeout_ms && !window_; waited += 20) {
      window_ = window_from_log();
      if (!window_ && process_.wait_for_exit(20)) break;  // died early
    }
  }
  ~standin_process() { close(); }
  standin_process(const standin_process&) = delete;
  standin_process& operator=(const standin_process&) = delete;

  bool ready() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  HANDLE process() const { return process_.handle(); }
  DWORD id() const { return process_.id(); }

  // Every reload message received so far, in order of arrival.
  std::vector<standin_message> received() const {
    std::vector<standin_message> messages;
    for (const std::string& line : log_lines()) {
      standin_message m;
      char state[128] = {};
      unsigned long long wparam = 0;
      long long lparam = 0;
      if (std::sscanf(line.c_str(), "%u %llu %lld %127[^\r\n]", &m.message, &wparam, &lparam, state) >= 3) {
        m.wparam = static_cast<uintptr_t>(wparam);
        m.lparam = static_cast<intptr_t>(lparam);
        m.file_state = state;
        messages.push_back(m);
      }
    }
    return messages;
  }

  // Just the wParam of each message, the reload codes.
  std::vector<int> reload_codes() const {
    std::vector<int> codes;
    for (const standin_message& m : received()) codes.push_back(static_cast<int>(m.wparam));
    return codes;
  }

  // Asks the window to close and waits; a stand-in that does not end in time
  // is terminated. Returns its exit code (0 after a normal close).
  DWORD close(DWORD timeout_ms = 10000) {
    if (!process_.started()) return process_.exit_code();
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    process_.wait_for_exit(window_ ? timeout_ms : 0);
    window_ = nullptr;
    return process_.end(1);
  }

 private:
  static std::string arguments(const std::string& log_path, const std::string& watched_file) {
    std::string text = "\"" + log_path + "\"";
    if (!watched_file.empty()) text += " \"" + watched_file + "\"";
    return text;
  }

  std::vector<std::string> log_lines() const {
    std::vector<std::string> lines;
    const std::optional<std::string> contents = file_contents(log_path_);
    if (!contents) return lines;
    const std::string& text = *contents;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
      end = text.find('\n', start);
      if (end == std::string::npos) break;  // a line still being written
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }

  HWND window_from_log() const {
    for (const std::string& line : log_lines()) {
      long long handle = 0;
      if (std::sscanf(line.c_str(), "ready %lld", &handle) == 1) return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
    }
    return nullptr;
  }

  std::string log_path_;
  child_process process_;
  HWND window_ = nullptr;
};

}  // namespace sy_test
