// The colour preview on page 候选窗: its layout at start-up, the pixels of
// its frame, and the five pickers driven through the real colour dialog as a
// user drives it, from a second thread while the dialog runs modally here.

#include "tests/wine/settings_window/test_support.h"

#include <colordlg.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace sy_test {
namespace {

constexpr COLORREF DEFAULT_BACKGROUND = RGB(255, 255, 234);
constexpr COLORREF DEFAULT_BORDER = RGB(205, 219, 239);

COLORREF pixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

std::string rgb_text(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

// Every pixel of the one-pixel rectangle outline with these corners has the colour.
testing::AssertionResult outline_is(HWND window, int left, int top, int right, int bottom, COLORREF colour) {
  for (int x = left; x <= right; ++x) {
    for (int y : {top, bottom}) {
      if (pixel(window, x, y) != colour) {
        return testing::AssertionFailure() << "(" << x << "," << y << ") is " << rgb_text(pixel(window, x, y))
                                           << ", not " << rgb_text(colour);
      }
    }
  }
  for (int y = top; y <= bottom; ++y) {
    for (int x : {left, right}) {
      if (pixel(window, x, y) != colour) {
        return testing::AssertionFailure() << "(" << x << "," << y << ") is " << rgb_text(pixel(window, x, y))
                                           << ", not " << rgb_text(colour);
      }
    }
  }
  return testing::AssertionSuccess();
}

// What the user does in the colour dialog.
struct colour_choice {
  bool confirm = true;
  COLORREF colour = 0;
  bool add_to_custom = false;
};

// The colour dialog the user met: the colour it started from, and whether it came at all.
struct dialog_seen {
  bool appeared = false;
  COLORREF initial = 0;
};

HWND find_colour_dialog(HWND owner) {
  struct search {
    HWND owner;
    HWND found;
  } s{owner, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<search*>(data);
        if (class_of(window) == "#32770" && GetWindow(window, GW_OWNER) == s->owner && IsWindowVisible(window)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&s));
  return s.found;
}

// Clicks the label and, from another thread, acts in the dialog it opens.
dialog_seen pick_through_dialog(const sy::settings_form& form, const sy::label& label, colour_choice choice) {
  dialog_seen seen;
  std::atomic<bool> done{false};
  HWND owner = form.settings_window.handle();
  std::thread user([&] {
    HWND dialog = nullptr;
    for (int waited = 0; waited < 10000 && !dialog; waited += 20) {
      Sleep(20);
      dialog = find_colour_dialog(owner);
    }
    if (dialog) {
      seen.appeared = true;
      seen.initial = RGB(GetDlgItemInt(dialog, COLOR_RED, nullptr, FALSE),
                         GetDlgItemInt(dialog, COLOR_GREEN, nullptr, FALSE),
                         GetDlgItemInt(dialog, COLOR_BLUE, nullptr, FALSE));
      if (choice.confirm) {
        SetDlgItemInt(dialog, COLOR_RED, GetRValue(choice.colour), FALSE);
        SetDlgItemInt(dialog, COLOR_GREEN, GetGValue(choice.colour), FALSE);
        SetDlgItemInt(dialog, COLOR_BLUE, GetBValue(choice.colour), FALSE);
        if (choice.add_to_custom) SendMessageA(GetDlgItem(dialog, COLOR_ADD), BM_CLICK, 0, 0);
      }
      SendMessageA(GetDlgItem(dialog, choice.confirm ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    }
    done = true;
  });
  click(label.handle());
  while (!done) pump_messages_for(20);
  user.join();
  pump_messages();
  return seen;
}

class colour_preview_test : public testing::Test {
 protected:
  void SetUp() override {
    // Every colour at its default; only the background picture is off, or
    // the preview would be hidden.
    install.write_file("shuoyun.ini", "[高级设置]\r\n汉字候选使用背景图=0\r\n");
    form = build_dialog();
    form->outer_tabs.select(1);
    show_now(*form);
  }

  // The five colours as the controls hold them.
  struct colours {
    COLORREF background, border, text, hint_code, auto_phrase;
    bool operator==(const colours& o) const {
      return background == o.background && border == o.border && text == o.text && hint_code == o.hint_code &&
             auto_phrase == o.auto_phrase;
    }
  };
  colours held() const {
    return {form->preview_inner_panel.background_colour(), form->preview_frame_panel.background_colour(),
            form->text_colour_label.text_colour(), form->hint_code_colour_label.text_colour(),
            form->auto_phrase_colour_label.text_colour()};
  }

  temp_install install;
  std::unique_ptr<sy::settings_form> form;
};

TEST_F(colour_preview_test, start_up_lays_out_the_frame_and_inner_panels) {
  const RECT frame = rect_in_parent(form->preview_frame_panel.handle());
  const RECT inner = rect_in_parent(form->preview_inner_panel.handle());
  const RECT frame_wanted{5, 6, 5 + 343, 6 + 47}, inner_wanted{4, 4, 4 + 335, 4 + 37};
  EXPECT_TRUE(EqualRect(&frame, &frame_wanted));
  EXPECT_TRUE(EqualRect(&inner, &inner_wanted));
  EXPECT_EQ(form->colour_dialog.owner(), form->settings_window.handle());
  for (COLORREF custom : form->colour_dialog.custom_colours()) EXPECT_EQ(custom, RGB(255, 255, 255));

  // Painted once: the samples stand in one row at 15.
  const std::pair<const sy::label&, int> samples[] = {{form->text_colour_label, 16},
                                                     {form->background_colour_label, 78},
                                                     {form->border_colour_label, 140},
                                                     {form->auto_phrase_colour_label, 202},
                                                     {form->hint_code_colour_label, 264}};
  for (const auto& [sample, x] : samples) {
    const RECT r = rect_in_parent(sample.handle());
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, 15);
  }
}

TEST_F(colour_preview_test, default_colours_draw_two_outlines_with_a_ring_between) {
  HWND frame = form->preview_frame_panel.handle();
  EXPECT_TRUE(outline_is(frame, 0, 0, 342, 46, DEFAULT_BORDER));
  EXPECT_TRUE(outline_is(frame, 2, 2, 340, 44, DEFAULT_BORDER));
  EXPECT_TRUE(outline_is(frame, 1, 1, 341, 45, DEFAULT_BACKGROUND));
  EXPECT_TRUE(outline_is(frame, 3, 3, 339, 43, DEFAULT_BACKGROUND)) << "between the inner outline and the inner panel";
  EXPECT_EQ(pixel(form->preview_inner_panel.handle(), 2, 2), DEFAULT_BACKGROUND);

  const colours expected{DEFAULT_BACKGROUND, DEFAULT_BORDER, RGB(0, 0, 0), RGB(47, 3, 222), RGB(255, 0, 128)};
  EXPECT_TRUE(held() == expected);
  for (const sy::label& sample : {form->text_colour_label, form->background_colour_label, form->border_colour_label,
                                  form->auto_phrase_colour_label, form->hint_code_colour_label}) {
    EXPECT_EQ(sample.background_colour(), DEFAULT_BACKGROUND);
    EXPECT_EQ(pixel(sample.handle(), 0, 0), DEFAULT_BACKGROUND);
  }
}

TEST_F(colour_preview_test, a_new_border_colour_redraws_both_outlines_only) {
  const colours before = held();
  const dialog_seen seen = pick_through_dialog(*form, form->border_colour_label, {true, RGB(255, 0, 0)});
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.initial, DEFAULT_BORDER);

  HWND frame = form->preview_frame_panel.handle();
  EXPECT_TRUE(outline_is(frame, 0, 0, 342, 46, RGB(255, 0, 0)));
  EXPECT_TRUE(outline_is(frame, 2, 2, 340, 44, RGB(255, 0, 0)));
  EXPECT_TRUE(outline_is(frame, 1, 1, 341, 45, DEFAULT_BACKGROUND));
  colours expected = before;
  expected.border = RGB(255, 0, 0);
  EXPECT_TRUE(held() == expected);
}

TEST_F(colour_preview_test, a_new_background_fills_panel_ring_and_every_sample) {
  const dialog_seen seen = pick_through_dialog(*form, form->background_colour_label, {true, RGB(255, 255, 255)});
  ASSERT_TRUE(seen.appeared);
  EXPECT_EQ(seen.initial, DEFAULT_BACKGROUND);

  const COLORREF white = RGB(255, 255, 255);
  EXPECT_EQ(pixel(form->preview_inner_panel.handle(), 2, 2), white);
  EXPECT_TRUE(outline_is(form->preview_frame_panel.handle(), 1, 1, 341, 45, white));
  EXPECT_TRUE(outline_is(form->preview_frame_panel.handle(), 0, 0, 342, 46, DEFAULT_BORDER));
  for (const sy::label& sample : {form->text_colour_label, form->background_colour_label, form->border_colour_label,
                                  form->auto_phrase_colour_label, form->hint_code_colour_label}) {
    EXPECT_EQ(sample.background_colour(), white);
    EXPECT_EQ(pixel(sample.handle(), 0, 0), white);
  }
}

TEST_F(colour_preview_test, each_text_picker_changes_its_own_colour_and_starts_from_it) {
  struct picker_case {
    const char* name;
    const sy::label& label;
    COLORREF colours::*colour;
  } cases[] = {{"汉字色", form->text_colour_label, &colours::text},
               {"提示码", form->hint_code_colour_label, &colours::hint_code},
               {"自动词", form->auto_phrase_colour_label, &colours::auto_phrase}};
  for (const picker_case& c : cases) {
    SCOPED_TRACE(c.name);
    colours expected = held();
    const dialog_seen seen = pick_through_dialog(*form, c.label, {true, RGB(10, 200, 30)});
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.initial, expected.*c.colour);
    expected.*c.colour = RGB(10, 200, 30);
    EXPECT_TRUE(held() == expected);
  }
}

TEST_F(colour_preview_test, cancelling_the_dialog_changes_nothing) {
  const colours before = held();
  for (const sy::label& label : {form->text_colour_label, form->background_colour_label, form->border_colour_label}) {
    const dialog_seen seen = pick_through_dialog(*form, label, {false, RGB(1, 2, 3)});
    ASSERT_TRUE(seen.appeared);
  }
  EXPECT_TRUE(held() == before);
  EXPECT_TRUE(outline_is(form->preview_frame_panel.handle(), 0, 0, 342, 46, DEFAULT_BORDER));
}

TEST_F(colour_preview_test, custom_colours_last_from_one_picker_to_the_next) {
  pick_through_dialog(*form, form->border_colour_label, {true, RGB(12, 34, 56), true});
  EXPECT_EQ(form->colour_dialog.custom_colours()[0], RGB(12, 34, 56));
  pick_through_dialog(*form, form->text_colour_label, {false});
  EXPECT_EQ(form->colour_dialog.custom_colours()[0], RGB(12, 34, 56));
  for (size_t i = 1; i < 16; ++i) EXPECT_EQ(form->colour_dialog.custom_colours()[i], RGB(255, 255, 255));
}

TEST_F(colour_preview_test, the_style_list_does_not_touch_the_preview) {
  const colours before = held();
  form->style_combo.select(1);
  SendMessageA(GetParent(form->style_combo.handle()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
               LPARAM(form->style_combo.handle()));
  form->preview_frame_panel.repaint();
  pump_messages();
  EXPECT_TRUE(held() == before);
  EXPECT_TRUE(outline_is(form->preview_frame_panel.handle(), 0, 0, 342, 46, DEFAULT_BORDER));
  EXPECT_TRUE(outline_is(form->preview_frame_panel.handle(), 2, 2, 340, 44, DEFAULT_BORDER));
}

}  // namespace
}  // namespace sy_test
