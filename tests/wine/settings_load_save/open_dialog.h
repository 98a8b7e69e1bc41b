#pragma once
// The real settings dialog, built hidden in the test's own process by the
// program's own start-up on a throw-away installation, and driven with the
// messages a user's actions produce.
#include "settings/settings_form.h"
#include "tests/wine/settings_load_save/product_install.h"
#include "tests/wine/support/windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

namespace sy_test {

class open_dialog : public testing::Test {
protected:
  product_install install;
  std::unique_ptr<sy::settings_form> form;
  bool close_requested = false;  // a quit message came from the window's close request

  void TearDown() override {
    form.reset();
    pump();
  }

  // Builds the dialog as the program does, on this installation; a null
  // settings file means none on disk.
  void open(const char* settings_file, const std::string& arguments = "") {
    if (settings_file) install.write_file("shuoyun.ini", settings_file);
    install.register_directory();
    std::string command_line = "\"" + install.path_of("shuoyun.opt") + "\"";
    if (!arguments.empty()) command_line += " " + arguments;
    form = sy::build_settings_window(command_line);
    pump();
  }

  // Handles everything queued for this thread.
  void pump() {
    if (pump_messages()) close_requested = true;
  }

  // A mouse click: the button toggles itself and tells its parent.
  void click(const sy::control& button) {
    SendMessageA(button.handle(), BM_CLICK, 0, 0);
    pump();
  }

  // The user picks an item of a drop-down list.
  void choose(const sy::drop_down& list, int index) {
    list.select(index);
    SendMessageA(GetParent(list.handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.handle()));
    pump();
  }

  // Presses "确认" and returns the settings file as it is afterwards.
  std::string confirm() {
    click(form->ok_button);
    return install.read_file("shuoyun.ini");
  }
};

}  // namespace sy_test
