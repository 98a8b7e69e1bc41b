#pragma once
// The editor as a user meets it: started as its own process, its window
// found on the desktop, its menu commands chosen, its message boxes read and
// answered, and its end awaited with the exit code.
#include <windows.h>

#include <string>

namespace sy_test {

std::string bin_dir();  // the directory of this test program, where edit.exe is built too

class editor_process {
 public:
  // Starts bin\edit.exe with `arguments` after the program name, exactly as
  // given (quote them as a caller would), in `work_dir` (empty: ours).
  explicit editor_process(const std::string& arguments, const std::string& work_dir = "");
  ~editor_process();  // terminates the process by its handle if it still runs
  editor_process(const editor_process&) = delete;
  editor_process& operator=(const editor_process&) = delete;

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

  bool wait_for_exit(DWORD timeout_ms = 30000);  // true when it ended; exit_code() is then set
  bool running() const;
  DWORD exit_code() const { return exit_code_; }
  DWORD id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
  HWND main_window_ = nullptr;
  DWORD exit_code_ = STILL_ACTIVE;
};

// A message box's text (its static control) and its answer by button.
std::string box_text(HWND box);
void press_box_button(HWND box, int id);  // IDOK, IDYES, IDNO

std::string window_text(HWND window);
std::string class_of(HWND window);

}  // namespace sy_test
