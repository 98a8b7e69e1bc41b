// Tab controls whose tabs each own a page. The page's handle rides in its
// tab's item data, so the control itself knows its pages.

#include "ui/controls.h"
#include "ui/layer_internal.h"

namespace sy {

namespace {

void init_common_controls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&classes) != 0;
  }();
  (void)done;
}

}  // namespace

tab_control tab_control::create(HWND parent, int x, int y, int width, int height, bool bottom) {
  init_common_controls();
  HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FOCUSNEVER |
                                  (bottom ? TCS_BOTTOM : 0),
                              x, y, width, height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(tabs, WM_SETFONT, WPARAM(window_font(parent)), FALSE);
  return tab_control(tabs);
}

panel tab_control::add_page(const char* caption) const {
  const panel page = panel::create(handle_, 0, 0, 0, 0);
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_PARAM;
  item.pszText = const_cast<char*>(caption);
  item.lParam = LPARAM(page.handle());
  SendMessageA(handle_, TCM_INSERTITEMA, WPARAM(page_count()), LPARAM(&item));
  // Every page covers the display area, which the new tab may have changed.
  RECT area{};
  GetClientRect(handle_, &area);
  SendMessageA(handle_, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
  for (int i = 0; i < page_count(); ++i) {
    this->page(i).set_bounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
  show_selected_page();
  return page;
}

panel tab_control::page(int index) const {
  TCITEMA item{};
  item.mask = TCIF_PARAM;
  if (!SendMessageA(handle_, TCM_GETITEMA, WPARAM(index), LPARAM(&item))) return panel();
  return panel(reinterpret_cast<HWND>(item.lParam));
}

void tab_control::select(int index) const {
  SendMessageA(handle_, TCM_SETCURSEL, WPARAM(index), 0);
  show_selected_page();
}

void tab_control::show_selected_page() const {
  const int selected = selected_index();
  for (int i = 0; i < page_count(); ++i) page(i).show(i == selected);
}

}  // namespace sy
