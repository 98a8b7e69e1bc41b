#pragma once
// Shared pieces of the dialog's window tests: a throw-away installation the
// product's registry key points at, building the real window, and pumping.

#include "settings/settings_form.h"
#include "tests/wine/support/files.h"
#include "tests/wine/support/product_key.h"
#include "tests/wine/support/windows.h"

#include <windows.h>

#include <memory>
#include <string>

namespace sy_test {

// A fresh directory that "系统目录" names while the object lives. The key is
// put back as it was found afterwards.
class temp_install {
 public:
  temp_install();
  temp_install(const temp_install&) = delete;
  temp_install& operator=(const temp_install&) = delete;

  const std::string& directory() const { return directory_.path(); }
  void write_file(const std::string& name, const std::string& bytes) const { write_bytes(directory_ / name, bytes); }
  // "<missing>" when absent
  std::string read_file(const std::string& name) const { return sy_test::read_file(directory_ / name); }

 private:
  product_key_guard registry_;  // first, so that it is put back last
  temp_directory directory_{"sy_window_"};
};

// Pumps for the given time, sleeping while nothing comes.
bool pump_messages_for(DWORD ms);

// The whole window built and started as the program does, with a command
// line of the program name followed by `arguments`.
std::unique_ptr<sy::settings_form> build_dialog(const std::string& arguments = "");

// Rectangle of `window` in its parent's client coordinates, from the screen.
RECT rect_in_parent(HWND window);

// Shows the window without activating it and paints it at once.
void show_now(const sy::settings_form& form);

// A click of the left mouse button at a point of the window's client area, as
// the window receives it.
void click_at(HWND window, int x, int y);
// A click in the middle of the window's client area.
void click(HWND window);

}  // namespace sy_test
