#pragma once
// The settings program as a user meets it: started as its own process with a
// command line, its window found on the desktop, its buttons pressed, and its
// end awaited. Every wait pumps this thread's messages, because the program
// sends its reload message to windows of this thread and blocks until they
// have answered.
#include "tests/wine/support/process.h"
#include "tests/wine/support/windows.h"

#include <string>
#include <vector>

namespace sy_test {

// A window of this process that a caller names by its handle on the
// program's command line; it records the messages it receives.
struct received_message {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

class caller_window {
public:
  caller_window();
  ~caller_window();
  HWND handle() const { return window_; }
  const std::vector<received_message>& received() const;

private:
  HWND window_ = nullptr;
};

class dialog_process {
public:
  // Starts bin\shuoyun.opt next to this test program with the arguments
  // after the program name (already quoted as a caller would quote them).
  explicit dialog_process(const std::string& arguments);

  // The program's visible main window, or null after the time-out.
  HWND wait_for_window(DWORD timeout_ms = 20000);
  // True when the process ended within the time-out; exit_code() is then set.
  bool wait_for_exit(DWORD timeout_ms = 20000);
  DWORD exit_code() const { return process_.exit_code(); }
  bool running() const { return process_.running(); }
  DWORD id() const { return process_.id(); }

  // A child control of the main window by class and caption ("Button", "确认").
  HWND find_control(const char* class_name, const std::string& caption) const;
  // The drop-down list inside the group box of this caption.
  HWND find_list(const std::string& group_caption) const;
  // Presses a button as the mouse would (BM_CLICK is queued, so this returns at once).
  void press(const std::string& caption) const;

  // A message box owned by the main window, or null after the time-out; its
  // static texts joined by line ends.
  HWND wait_for_message_box(DWORD timeout_ms = 20000) const;
  static std::string texts_of(HWND window);

private:
  child_process process_;  // terminated by its handle if it still runs at the end
  HWND window_ = nullptr;
};

// Handles this thread's messages until the time has passed.
void pump_messages_for(DWORD ms);
std::string program_path();

}  // namespace sy_test
