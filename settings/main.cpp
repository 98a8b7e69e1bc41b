// shuoyun.opt: the input method's settings dialog.

#include "settings/settings_form.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int exit_code = 0;
  {
    auto form = sy::build_settings_window(GetCommandLineA());
    exit_code = sy::run_message_loop(*form);
  }  // the window and the form go before the process ends
  return exit_code;
}
