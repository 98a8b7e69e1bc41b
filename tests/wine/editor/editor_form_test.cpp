// The editor's window built in this process from a small file, and what it
// shows: every property of the window and its controls that a user sees or
// that the input method's users rely on.
#include "editor/editor_commands.h"
#include "editor/editor_form.h"
#include "tests/wine/support/files.h"

#include "tests/wine/support/windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

using sy_test::temp_directory;

std::string text_of(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

LOGFONTA font_of(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

class editor_form_test : public testing::Test {
 protected:
  void build(const std::string& bytes) {
    path = dir / "shuoyun.usr";
    sy_test::write_bytes(path, bytes);
    form.build_editor_form(path);
  }
  void TearDown() override {
    form.main_window.destroy();
    MSG msg;  // the window's end posts WM_QUIT; the next test must not see it
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  temp_directory dir;
  std::string path;
  sy::editor_form form;
};

TEST_F(editor_form_test, window_is_maximised_fixed_and_has_only_the_two_commands_as_ways_out) {
  build("a\r\n");
  HWND window = form.main_window.handle();
  EXPECT_EQ(text_of(window), "朔云中文");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(IsZoomed(window));

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR ex_style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_NE(style & WS_THICKFRAME, 0);
  EXPECT_EQ(ex_style & (WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE), WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE);

  // Restored, it would sit at 200, 108 with a client area of 688 x 434.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(window, &placement));
  RECT expected{0, 0, 688, 434};
  AdjustWindowRectEx(&expected, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
  EXPECT_EQ(placement.rcNormalPosition.left, 200);
  EXPECT_EQ(placement.rcNormalPosition.top, 108);
  EXPECT_EQ(placement.rcNormalPosition.right - placement.rcNormalPosition.left, expected.right - expected.left);
  EXPECT_EQ(placement.rcNormalPosition.bottom - placement.rcNormalPosition.top, expected.bottom - expected.top);

  // No close command: not in the system menu, not by the title bar.
  EXPECT_EQ(GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND), UINT(-1));
  EXPECT_EQ(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);

  // The size it was maximised to is the only size it takes.
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_TRUE(sy_test::tracking_size_is_fixed(window));
  const int middle_y = (outer.top + outer.bottom) / 2, middle_x = (outer.left + outer.right) / 2;
  struct hit_case {
    const char* name;
    POINT at;
    LRESULT hit;
  };
  const hit_case hits[] = {
      {"left border", {outer.left + 1, middle_y}, HTBORDER},
      {"right border", {outer.right - 2, middle_y}, HTBORDER},
      {"bottom border", {middle_x, outer.bottom - 2}, HTBORDER},
      {"bottom-right corner", {outer.right - 2, outer.bottom - 2}, HTBORDER},
      {"text area", {middle_x, middle_y}, HTCLIENT},
  };
  for (const hit_case& h : hits) {
    SCOPED_TRACE(h.name);
    EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(h.at.x, h.at.y)), h.hit);
  }
}

TEST_F(editor_form_test, menu_bar_holds_the_two_commands_in_order) {
  build("a\r\n");
  HMENU menu = GetMenu(form.main_window.handle());
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  const struct {
    const char* caption;
    unsigned id;
  } items[] = {{"存盘退出", sy::SAVE_AND_EXIT_COMMAND}, {"放弃退出", sy::DISCARD_AND_EXIT_COMMAND}};
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(items[i].caption);
    char caption[64] = {};
    GetMenuStringA(menu, UINT(i), caption, sizeof caption, MF_BYPOSITION);
    EXPECT_EQ(std::string(caption), items[i].caption);
    EXPECT_EQ(GetMenuItemID(menu, i), items[i].id);
    EXPECT_EQ(GetSubMenu(menu, i), nullptr);
  }
}

TEST_F(editor_form_test, status_bar_names_the_file_in_the_window_font) {
  build("a\r\n");
  HWND bar = FindWindowExA(form.main_window.handle(), nullptr, STATUSCLASSNAMEA, nullptr);
  ASSERT_NE(bar, nullptr);
  EXPECT_NE(SendMessageA(bar, SB_ISSIMPLE, 0, 0), 0);
  EXPECT_EQ(form.status_bar.simple_text(), "当前文件：" + path);
  for (HWND window : {form.main_window.handle(), bar}) {
    const LOGFONTA font = font_of(window);
    EXPECT_EQ(std::string(font.lfFaceName), "宋体");
    EXPECT_EQ(font.lfHeight, 12);
  }
}

TEST_F(editor_form_test, without_a_file_the_text_is_empty_and_the_status_bar_keeps_its_text) {
  form.build_editor_form("");
  EXPECT_EQ(form.text_area.text(), u"");
  EXPECT_EQ(form.status_bar.simple_text(), "朔云中文文件编辑器");
  EXPECT_EQ(SendMessageW(form.text_area.handle(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF);
}

TEST_F(editor_form_test, text_area_fills_the_client_above_the_status_bar_without_wrapping) {
  build("aa 工\r\nbb\rcc");
  HWND edit = FindWindowExA(form.main_window.handle(), nullptr, "Edit", nullptr);
  ASSERT_EQ(edit, form.text_area.handle());
  EXPECT_EQ(form.text_area.text(), u"aa 工\r\nbb\r\ncc\r\n");
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF);

  const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
  const LONG_PTR wanted = ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VISIBLE;
  EXPECT_EQ(style & wanted, wanted);
  EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongPtrW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
  EXPECT_TRUE(IsWindowUnicode(edit));
  EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrW(edit, GCLP_HCURSOR)), LoadCursor(nullptr, IDC_IBEAM));
  const LOGFONTA font = font_of(edit);
  EXPECT_EQ(std::string(font.lfFaceName), "宋体");
  EXPECT_EQ(font.lfHeight, 14);

  HDC dc = GetDC(edit);
  const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(form.main_window.handle(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit)));
  ReleaseDC(edit, dc);
  LOGBRUSH colour{};
  GetObjectA(brush, sizeof colour, &colour);
  EXPECT_EQ(colour.lbColor, GetSysColor(COLOR_WINDOW));

  RECT client{}, area{}, bar{};
  GetClientRect(form.main_window.handle(), &client);
  GetWindowRect(edit, &area);
  GetWindowRect(form.status_bar.handle(), &bar);
  MapWindowPoints(nullptr, form.main_window.handle(), reinterpret_cast<POINT*>(&area), 2);
  MapWindowPoints(nullptr, form.main_window.handle(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(area.left, 0);
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.right, client.right);
  EXPECT_EQ(area.bottom, bar.top);
  EXPECT_EQ(bar.bottom, client.bottom);
}

// The text area's font names its smoothing outright, which lets Wine's edit
// control lay out large tables faster; it must draw exactly as the font of
// default quality that it stands for.
TEST_F(editor_form_test, text_area_font_draws_as_the_default_quality_font) {
  build("a\r\n");
  auto draw = [](HFONT font) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 160;
    info.bmiHeader.biHeight = -20;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HGDIOBJ old_font = SelectObject(dc, font);
    PatBlt(dc, 0, 0, 160, 20, WHITENESS);
    TextOutW(dc, 2, 2, L"\u6714\u4E91\u4E2D\u6587 abc xyz", 12);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + 160 * 20);
    SelectObject(dc, old_font);
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
  };
  LOGFONTA plain = font_of(form.text_area.handle());
  plain.lfQuality = DEFAULT_QUALITY;
  HFONT default_quality = CreateFontIndirectA(&plain);
  const std::vector<uint32_t> expected = draw(default_quality);
  DeleteObject(default_quality);
  EXPECT_EQ(draw(reinterpret_cast<HFONT>(SendMessageW(form.text_area.handle(), WM_GETFONT, 0, 0))), expected);
  EXPECT_NE(std::count(expected.begin(), expected.end(), 0xFFFFFFu), long(expected.size()));  // something was drawn
}

}  // namespace
