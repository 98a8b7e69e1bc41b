#include "ui/multiline_edit.h"

namespace sy {
namespace {

// The system's EDIT control, registered once more for this program under its
// own name with a private device context (CS_OWNDC). A local class of the
// system's name is found before the system's own, so the control is still an
// "EDIT" to everyone who asks (accessibility tools, tests).
//
// Why: Wine's multi-line edit control measures every line of a new text
// with a device context fetched from the window, and fetching a shared one
// costs more than measuring a short line. A code table has a hundred
// thousand lines per megabyte; with a private context a large table shows
// in about two thirds of the time. Nothing else changes: painting sets up
// the context afresh each time.
const wchar_t* own_dc_edit_class() {
  static const wchar_t* const name = [] {
    WNDCLASSW system{};
    if (!GetClassInfoW(nullptr, L"EDIT", &system)) return L"EDIT";
    system.style |= CS_OWNDC;
    system.hInstance = GetModuleHandleW(nullptr);
    system.lpszClassName = L"EDIT";
    RegisterClassW(&system);
    return L"EDIT";
  }();
  return name;
}

}  // namespace

multiline_edit multiline_edit::create(HWND parent, int id, DWORD style, DWORD ex_style) {
  return multiline_edit(CreateWindowExW(ex_style, own_dc_edit_class(), L"", WS_CHILD | ES_MULTILINE | style, 0, 0, 0,
                                        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
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
