#pragma once
// The editor as a user meets it: started as its own process, its window
// found on the desktop, its menu commands chosen, its message boxes read and
// answered, and its end awaited with the exit code.
#include "tests/wine/support/process.h"
#include "tests/wine/support/windows.h"

#include <string>

namespace sy_test {

class editor_process {
 public:
  // Starts bin\edit.exe with `arguments` after the program name, exactly as
  // given (quote them as a caller would), in `work_dir` (empty: ours).
  explicit editor_process(const std::string& arguments, const std::string& work_dir = "");

  // Its main window once the file is loaded and the message loop waits, or
  // null after the time-out.
  HWND wait_until_ready(DWORD timeout_ms = 30000);
  HWND main_window() const { return main_window_; }
  HWND text_area() const;
  std::u16string text() const;  // the text area's UTF-16 text
  // Characters in the status bar's field. Its text cannot be read from
  // another process (the message carries a pointer), its length can.
  size_t status_length() const;
  void type_text(const std::u16string& text) const;  // replaces the selection, as typing does

  // Chooses a menu command as a click on the menu bar would: WM_COMMAND with
  // the item's identifier, posted to the main window.
  void choose(UINT command) const;

  // A message box of this process with that caption, or null after the time-out.
  HWND wait_for_box(const std::string& caption, DWORD timeout_ms = 30000) const;
  HWND find_box(const std::string& caption) const;

  // True when it ended; exit_code() is then set.
  bool wait_for_exit(DWORD timeout_ms = 30000) { return process_.wait_for_exit(timeout_ms); }
  bool running() const { return process_.running(); }
  DWORD exit_code() const { return process_.exit_code(); }
  DWORD id() const { return process_.id(); }

 private:
  child_process process_;  // terminated by its handle if it still runs at the end
  HWND main_window_ = nullptr;
};

// A message box's text (its static control) and its answer by button.
std::string box_text(HWND box);
void press_box_button(HWND box, int id);  // IDOK, IDYES, IDNO

}  // namespace sy_test
