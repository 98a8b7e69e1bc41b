#include "ui/multiline_edit.h"

namespace sy {

multiline_edit multiline_edit::create(HWND parent, int id, DWORD style, DWORD ex_style) {
  return multiline_edit(CreateWindowExW(ex_style, L"EDIT", L"", WS_CHILD | ES_MULTILINE | style, 0, 0, 0, 0, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                        GetModuleHandleW(nullptr), nullptr));
}

std::u16string multiline_edit::text() const {
  const LRESULT length = SendMessageW(handle_, WM_GETTEXTLENGTH, 0, 0);
  std::u16string text(size_t(length) + 1, u'\0');
  const LRESULT copied = SendMessageW(handle_, WM_GETTEXT, WPARAM(text.size()), LPARAM(&text[0]));
  text.resize(size_t(copied));
  return text;
}

}  // namespace sy
