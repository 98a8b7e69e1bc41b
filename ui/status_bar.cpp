#include "ui/status_bar.h"

#include <cstring>

namespace sy {

status_bar status_bar::create(HWND parent, int id) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  return status_bar(CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    GetModuleHandleA(nullptr), nullptr));
}

std::string status_bar::simple_text() const {
  // Reading, a simple bar's field is part 0 (setting takes SB_SIMPLEID).
  const LRESULT length = SendMessageA(handle_, SB_GETTEXTLENGTHA, 0, 0);
  std::string text(LOWORD(length) * 2 + 1, '\0');  // the length counts characters, the text is bytes
  SendMessageA(handle_, SB_GETTEXTA, 0, LPARAM(&text[0]));
  text.resize(std::strlen(text.c_str()));
  return text;
}

int status_bar::height() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  return r.bottom - r.top;
}

}  // namespace sy
