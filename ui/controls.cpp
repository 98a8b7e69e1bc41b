#include "ui/controls.h"

#include "ui/layer_internal.h"

namespace sy {

namespace {

colour_ref colour_property(HWND window, const char* name, bool& present) {
  const auto value = reinterpret_cast<uintptr_t>(GetPropA(window, name));
  present = value != 0;
  return present ? colour_ref(value - 1) : 0;
}

void set_colour_property(HWND window, const char* name, colour_ref colour) {
  watch_for_destruction(window);
  SetPropA(window, name, reinterpret_cast<HANDLE>(uintptr_t(colour) + 1));
}

HWND create_child(HWND parent, const char* class_name, const char* caption, DWORD style, DWORD ex_style, int x, int y,
                  int width, int height) {
  HWND child = CreateWindowExA(ex_style, class_name, caption, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, WPARAM(window_font(parent)), FALSE);
  return child;
}

bool is_radio_button(HWND window) {
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  return lstrcmpiA(class_name, "Button") == 0 && (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON;
}

int text_height(HWND window) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
}

// Sizing to the caption happens once the control has the window's font, as
// the caption is measured in it.
void fit_to_caption(HWND control, const char* caption, int extra_width, int extra_height, int fixed_height) {
  const SIZE size = text_size(control, caption);
  SetWindowPos(control, nullptr, 0, 0, size.cx + extra_width, fixed_height ? fixed_height : size.cy + extra_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HFONT window_font(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageA(GetAncestor(window, GA_ROOT), WM_GETFONT, 0, 0));
}

std::string control::text() const {
  std::string text(size_t(GetWindowTextLengthA(handle_)) + 1, '\0');
  text.resize(size_t(GetWindowTextA(handle_, &text[0], int(text.size()))));
  return text;
}

RECT control::bounds() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void coloured_control::set_background_colour(colour_ref colour) const {
  set_colour_property(handle_, BACKGROUND_PROPERTY, colour);
  repaint();
}

void coloured_control::set_text_colour(colour_ref colour) const {
  set_colour_property(handle_, TEXT_COLOUR_PROPERTY, colour);
  repaint();
}

colour_ref coloured_control::background_colour() const {
  for (HWND window = handle_; window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD); window = GetParent(window)) {
    bool present = false;
    const colour_ref colour = colour_property(window, BACKGROUND_PROPERTY, present);
    if (present) return colour;
  }
  return GetSysColor(COLOR_BTNFACE);
}

colour_ref coloured_control::text_colour() const {
  bool present = false;
  const colour_ref colour = colour_property(handle_, TEXT_COLOUR_PROPERTY, present);
  return present ? colour : GetSysColor(COLOR_WINDOWTEXT);
}

group_box group_box::create(HWND parent, const char* caption, int x, int y, int width, int height) {
  HWND box = create_child(parent, "BUTTON", caption, BS_GROUPBOX | WS_CLIPSIBLINGS, 0, x, y, width, height);
  forward_to_top_window(box);  // a button passes no notification of its children on
  return group_box(box);
}

check_box check_box::create(HWND parent, const char* caption, int x, int y) {
  HWND box = create_child(parent, "BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, 0, x, y, 0, 0);
  fit_to_caption(box, caption, 24, 0, 22);
  return check_box(box);
}

radio_button radio_button::create(HWND parent, const char* caption, int x, int y) {
  bool first = true;
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (is_radio_button(sibling)) first = false;
  }
  HWND button =
      create_child(parent, "BUTTON", caption, BS_RADIOBUTTON | BS_NOTIFY | WS_GROUP | WS_TABSTOP, 0, x, y, 0, 0);
  fit_to_caption(button, caption, 24, 0, 22);
  radio_button radio(button);
  if (first) radio.set_checked(true);
  return radio;
}

void radio_button::select() const {
  for (HWND sibling = GetWindow(GetParent(handle_), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (is_radio_button(sibling)) radio_button(sibling).set_checked(sibling == handle_);
  }
}

label label::create(HWND parent, const char* caption, int x, int y) {
  HWND text = create_child(parent, "STATIC", caption, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0, x, y, 0, 0);
  fit_to_caption(text, caption, 1, 1, 0);
  return label(text);
}

number_edit number_edit::create(HWND parent, int x, int y, int width) {
  HWND edit = create_child(parent, "EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 0, x, y, width, 0);
  SetWindowPos(edit, nullptr, 0, 0, width, text_height(edit) + 6, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return number_edit(edit);
}

drop_down drop_down::create(HWND parent, int x, int y, int width, int height) {
  HWND list = create_child(parent, "COMBOBOX", "",
                           CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP, 0, x, y,
                           width, height);
  // The closed height follows the selection field's height, one for one but
  // with an offset that differs between systems: set the field once, see
  // where the closed height lands, and correct by the difference.
  const LRESULT field = SendMessageA(list, CB_GETITEMHEIGHT, WPARAM(-1), 0);
  SendMessageA(list, CB_SETITEMHEIGHT, WPARAM(-1), field);
  RECT closed{};
  GetWindowRect(list, &closed);
  SendMessageA(list, CB_SETITEMHEIGHT, WPARAM(-1), field + height - (closed.bottom - closed.top));
  drop_down result(list);
  result.fit_list_height();
  return result;
}

std::string drop_down::item_text(int index) const {
  const LRESULT length = SendMessageA(handle_, CB_GETLBTEXTLEN, WPARAM(index), 0);
  if (length < 0) return {};
  std::string text(size_t(length) + 1, '\0');
  const LRESULT copied = SendMessageA(handle_, CB_GETLBTEXT, WPARAM(index), LPARAM(&text[0]));
  text.resize(copied < 0 ? 0 : size_t(copied));
  return text;
}

void drop_down::fit_list_height() const {
  RECT closed{};
  GetWindowRect(handle_, &closed);
  int items = count();
  items = items < 1 ? 1 : items > 8 ? 8 : items;
  const int closed_height = closed.bottom - closed.top;
  SetWindowPos(handle_, nullptr, 0, 0, closed.right - closed.left, (items + 1) * closed_height + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

push_button push_button::create(HWND parent, const char* caption, int x, int y, int width, int height) {
  return push_button(create_child(parent, "BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0, x, y, width, height));
}

SIZE text_size(HWND window, const char* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

bool handle_control_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lparam);
      if (HIWORD(wparam) == BN_CLICKED && control && is_radio_button(control)) radio_button(control).select();
      if (HIWORD(wparam) == CBN_DROPDOWN && control) drop_down(control).fit_list_height();
      return false;  // the form still sees the command
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->code != UINT(TCN_SELCHANGE)) return false;
      tab_control(header->hwndFrom).show_selected_page();
      result = 0;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Every static and button shows its own colours, or its parents' background.
      HDC dc = reinterpret_cast<HDC>(wparam);
      const coloured_control control(reinterpret_cast<HWND>(lparam));
      const colour_ref background = control.background_colour();
      SetTextColor(dc, control.text_colour());
      SetBkColor(dc, background);
      SetDCBrushColor(dc, background);
      result = reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
      return true;
    }
  }
  return false;
}

}  // namespace sy
