#pragma once
// Thin, non-owning wrappers over the child controls of a form. Each member is
// one window message or one user32 call; the window owns the control and
// destroys it with itself.
//
// Per-control data lives on the control's own window, so nothing else has to
// map handles to objects:
//   - the tag (a control's hint number, 0 = none) is its GWLP_USERDATA;
//   - own background and text colours are the window properties named below.
//
// Events reach the top-level window: every container of this layer (panels,
// tab pages, group boxes, tab controls) passes WM_COMMAND, WM_NOTIFY and the
// WM_CTLCOLOR* messages of its children up to the top-level window, so a
// form handles every control's notification in one place, whatever the
// control's parent is.

#include "common/conversions.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace sy {

inline constexpr char BACKGROUND_PROPERTY[] = "sy.background";  // colour_ref + 1, absent = inherited
inline constexpr char TEXT_COLOUR_PROPERTY[] = "sy.text";       // colour_ref + 1, absent = system text colour

// Sent to the top-level window by a hooked control (hook_mouse_move) on every
// WM_MOUSEMOVE it receives: lParam is the control.
inline constexpr UINT CONTROL_MOUSE_MOVE = WM_APP + 1;
// Sent to the top-level window by a panel while it paints: wParam is the
// paint's device context, lParam the panel. The background is already filled.
inline constexpr UINT CONTROL_PAINT = WM_APP + 2;

// The common part of every control.
class control {
 public:
  control() = default;
  explicit control(HWND handle) : handle_(handle) {}

  HWND handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void enable(bool enabled) const { EnableWindow(handle_, enabled); }
  bool is_enabled() const { return IsWindowEnabled(handle_) != 0; }
  // Shows without activating: a page control never takes the focus by being shown.
  void show(bool visible) const { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }
  // The control's own visibility flag, whatever its parents show.
  bool is_visible() const { return (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }

  std::string text() const;
  void set_text(const std::string& text) const { SetWindowTextA(handle_, text.c_str()); }

  int tag() const { return int(GetWindowLongPtrA(handle_, GWLP_USERDATA)); }
  void set_tag(int tag) const { SetWindowLongPtrA(handle_, GWLP_USERDATA, tag); }

  // Position relative to the parent's client area, and outer size.
  RECT bounds() const;
  void set_bounds(int x, int y, int width, int height) const { MoveWindow(handle_, x, y, width, height, TRUE); }
  void move(int x, int y) const { SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }
  void resize(int width, int height) const { SetWindowPos(handle_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }
  void repaint() const { RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW); }

 protected:
  HWND handle_ = nullptr;
};

// Background and text colours of a control that has them (labels, panels).
// A control without a background of its own shows its parent's.
class coloured_control : public control {
 public:
  using control::control;
  void set_background_colour(colour_ref colour) const;
  void set_text_colour(colour_ref colour) const;
  colour_ref background_colour() const;
  colour_ref text_colour() const;
};

class group_box : public control {
 public:
  using control::control;
  static group_box create(HWND parent, const char* caption, int x, int y, int width, int height);
};

class check_box : public control {
 public:
  using control::control;
  // 22 high, as wide as the caption's text plus 24 for the box.
  static check_box create(HWND parent, const char* caption, int x, int y);
  bool is_checked() const { return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // Raises no click: only a user's click runs a handler.
  void set_checked(bool checked) const { SendMessageA(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
};

class radio_button : public check_box {
 public:
  using check_box::check_box;
  // The first radio button created in a parent starts checked.
  static radio_button create(HWND parent, const char* caption, int x, int y);
  // Checks this one and unchecks every other radio button of the same parent.
  void select() const;
};

class label : public coloured_control {
 public:
  using coloured_control::coloured_control;
  // As large as the caption's text plus one pixel each way; reports clicks.
  static label create(HWND parent, const char* caption, int x, int y);
};

class number_edit : public control {
 public:
  using control::control;
  // Text height + 6 high; any text is accepted.
  static number_edit create(HWND parent, int x, int y, int width);
};

class drop_down : public control {
 public:
  using control::control;
  // `height` is the closed height; the opened list is sized on every opening.
  static drop_down create(HWND parent, int x, int y, int width, int height = 22);
  void clear() const { SendMessageA(handle_, CB_RESETCONTENT, 0, 0); }
  int add_item(const std::string& text) const { return int(SendMessageA(handle_, CB_ADDSTRING, 0, LPARAM(text.c_str()))); }
  // Index of the first item whose whole text equals `text`, ignoring letter case; -1 when none.
  int find_exact(const std::string& text) const { return int(SendMessageA(handle_, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(text.c_str()))); }
  int selected_index() const { return int(SendMessageA(handle_, CB_GETCURSEL, 0, 0)); }
  // -1 clears the selection. Raises no selection-change event.
  void select(int index) const { SendMessageA(handle_, CB_SETCURSEL, WPARAM(index), 0); }
  int count() const { return int(SendMessageA(handle_, CB_GETCOUNT, 0, 0)); }
  std::string item_text(int index) const;
  // Gives the list (n + 1) x closed height + 2 pixels, n = item count within 1..8.
  void fit_list_height() const;
};

class panel : public coloured_control {
 public:
  using coloured_control::coloured_control;
  // `raised` gives the panel a raised (dialog-frame) edge.
  static panel create(HWND parent, int x, int y, int width, int height, bool raised = false);
};

class push_button : public control {
 public:
  using control::control;
  static push_button create(HWND parent, const char* caption, int x, int y, int width, int height);
};

// A tab control whose every tab owns one page, a panel created with it; only
// the selected tab's page is visible.
class tab_control : public control {
 public:
  using control::control;
  // `bottom` puts the tabs along the bottom edge. Never takes the focus.
  static tab_control create(HWND parent, int x, int y, int width, int height, bool bottom);
  panel add_page(const char* caption) const;
  panel page(int index) const;
  int page_count() const { return int(SendMessageA(handle_, TCM_GETITEMCOUNT, 0, 0)); }
  int selected_index() const { return int(SendMessageA(handle_, TCM_GETCURSEL, 0, 0)); }
  // Selects the tab and shows its page, as a click on the tab does.
  void select(int index) const;
  // Shows the selected tab's page and hides the others.
  void show_selected_page() const;
};

// Text extent of `text` in the font of `window`.
SIZE text_size(HWND window, const char* text);

// Makes the control report WM_MOUSEMOVE to its top-level window as CONTROL_MOUSE_MOVE.
void hook_mouse_move(HWND control);

// The layer's own answers to control notifications, for the top-level
// window's procedure to try first: radio buttons uncheck their siblings,
// tab controls switch pages, drop-down lists size their opened list, and
// labels and panels get their colours. True when the message was answered.
bool handle_control_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

}  // namespace sy
