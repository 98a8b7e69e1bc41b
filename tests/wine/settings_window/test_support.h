#pragma once
// Shared pieces of the dialog's window tests: a throw-away installation the
// product's registry key points at, building the real window, and pumping.

#include "settings/settings_form.h"

#include <windows.h>

#include <memory>
#include <string>

namespace sy_test {

// A fresh directory that "系统目录" names while the object lives. The key's
// values as they were before are put back afterwards, and the key is removed
// again if there was none.
class temp_install {
 public:
  temp_install();
  ~temp_install();
  temp_install(const temp_install&) = delete;
  temp_install& operator=(const temp_install&) = delete;

  const std::string& directory() const { return directory_; }
  void write_file(const std::string& name, const std::string& bytes) const;
  std::string read_file(const std::string& name) const;  // "<missing>" when absent

 private:
  struct saved_value {
    const char* name;
    bool present = false;
    DWORD type = 0;
    std::string data;
  };
  bool key_existed_ = false;
  saved_value saved_[2] = {{"系统目录", false, 0, {}}, {"系统目录98", false, 0, {}}};
  std::string directory_;
};

// Handles this thread's pending messages until none is left. A quit message,
// which a closing window posts, is dropped: the result tells whether one came.
bool pump_messages();
// Pumps for the given time, sleeping while nothing comes.
bool pump_messages_for(DWORD ms);

// The whole window built and started as the program does, with a command
// line of the program name followed by `arguments`.
std::unique_ptr<sy::settings_form> build_dialog(const std::string& arguments = "");

// Rectangle of `window` in its parent's client coordinates, from the screen.
RECT rect_in_parent(HWND window);
std::string window_text(HWND window);
std::string class_of(HWND window);

// Shows the window without activating it and paints it at once.
void show_now(const sy::settings_form& form);

// A click of the left mouse button at a point of the window's client area, as
// the window receives it.
void click_at(HWND window, int x, int y);
// A click in the middle of the window's client area.
void click(HWND window);

}  // namespace sy_test
