#include "ui/status_bar.h"

namespace sy {

status_bar status_bar::create(HWND parent, int id) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  return status_bar(CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr));
}

std::string status_bar::simple_text() const {
  const LRESULT length = SendMessageA(handle_, SB_GETTEXTLENGTHA, SB_SIMPLEID, 0);
  std::string text(LOWORD(length) + 1, '\0');
  SendMessageA(handle_, SB_GETTEXTA, SB_SIMPLEID, LPARAM(&text[0]));
  text.resize(LOWORD(length));
  return text;
}

int status_bar::height() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  return r.bottom - r.top;
}

}  // namespace sy
