#include "tests/wine/settings_window/test_support.h"

#include <gtest/gtest.h>

namespace sy_test {

temp_install::temp_install() { set_product_value("系统目录", directory()); }

bool pump_messages_for(DWORD ms) {
  bool quit = false;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    quit |= pump_messages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return quit;
}

std::unique_ptr<sy::settings_form> build_dialog(const std::string& arguments) {
  auto form = sy::build_settings_window("shuoyun.opt " + arguments);
  pump_messages();
  return form;
}

RECT rect_in_parent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(GetParent(window), &origin);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

void show_now(const sy::settings_form& form) {
  ShowWindow(form.settings_window.handle(), SW_SHOWNOACTIVATE);
  RedrawWindow(form.settings_window.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump_messages();
}

void click_at(HWND window, int x, int y) {
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  pump_messages();
}

void click(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  click_at(window, client.right / 2, client.bottom / 2);
}

}  // namespace sy_test
