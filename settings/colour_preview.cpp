// The small mock-up of the candidate window on page 候选窗. Its colours live
// in the controls: the inner panel's background is the candidate window's
// background, the frame panel's background its border, and three labels'
// text colours the character, code-hint and automatic-phrase colours. The
// labels double as the buttons that open the colour dialog.

#include "settings/settings_form.h"

namespace sy {

namespace {

// A line from `from` up to, not including, `to`, as LineTo draws it.
void line(HDC dc, int from_x, int from_y, int to_x, int to_y) {
  MoveToEx(dc, from_x, from_y, nullptr);
  LineTo(dc, to_x, to_y);
}

}  // namespace

void settings_form::layout_preview() {
  const RECT outer = preview_outer_panel.bounds();
  const int frame_width = outer.right - outer.left - 18;
  const int frame_height = outer.bottom - outer.top - 18;
  preview_frame_panel.set_bounds(5, 6, frame_width, frame_height);
  preview_inner_panel.set_bounds(4, 4, frame_width - 8, frame_height - 10);
  colour_dialog.set_owner(settings_window.handle());
}

void settings_form::paint_preview_frame(HDC dc) {
  const colour_ref background = preview_inner_panel.background_colour();
  const label samples[] = {text_colour_label, background_colour_label, border_colour_label, auto_phrase_colour_label,
                           hint_code_colour_label};
  for (const label& sample : samples) {
    if (sample.background_colour() != background) sample.set_background_colour(background);
  }
  // The labels were built at 14 and stand at 15 from the first painting on.
  const int top = 15;
  for (const label& sample : samples) {
    if (sample.bounds().top != top) sample.move(sample.bounds().left, top);
  }

  RECT client{};
  GetClientRect(preview_frame_panel.handle(), &client);
  const int l = client.left, t = client.top, r = client.right, b = client.bottom;

  HBRUSH brush = CreateSolidBrush(background);
  HGDIOBJ old_brush = SelectObject(dc, brush);
  PatBlt(dc, l, t, r - l, b - t, PATCOPY);
  SelectObject(dc, old_brush);
  DeleteObject(brush);

  HPEN pen = CreatePen(PS_SOLID, 1, preview_frame_panel.background_colour());
  HGDIOBJ old_pen = SelectObject(dc, pen);
  line(dc, l, t, l, b - 1);
  line(dc, l, t, r - 1, t);
  line(dc, l, b - 1, r - 1, b - 1);
  line(dc, r - 1, t, r - 1, b);
  line(dc, l + 2, t + 2, l + 2, b - 3);
  line(dc, l + 2, t + 2, r - 3, t + 2);
  line(dc, l + 2, b - 3, r - 3, b - 3);
  line(dc, r - 3, t + 2, r - 3, b - 2);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
}

void settings_form::pick_text_colour() {
  if (const auto chosen = colour_dialog.choose(text_colour_label.text_colour())) text_colour_label.set_text_colour(*chosen);
}

void settings_form::pick_background_colour() {
  const auto chosen = colour_dialog.choose(preview_inner_panel.background_colour());
  if (!chosen) return;
  preview_inner_panel.set_background_colour(*chosen);
  for (const label& sample : {text_colour_label, background_colour_label, auto_phrase_colour_label, border_colour_label}) {
    sample.set_background_colour(*chosen);
  }
  preview_frame_panel.repaint();  // gives "提示码" the same background and refills the frame
}

void settings_form::pick_border_colour() {
  if (const auto chosen = colour_dialog.choose(preview_frame_panel.background_colour())) {
    preview_frame_panel.set_background_colour(*chosen);
  }
}

void settings_form::pick_auto_phrase_colour() {
  if (const auto chosen = colour_dialog.choose(auto_phrase_colour_label.text_colour())) {
    auto_phrase_colour_label.set_text_colour(*chosen);
  }
}

void settings_form::pick_hint_code_colour() {
  if (const auto chosen = colour_dialog.choose(hint_code_colour_label.text_colour())) {
    hint_code_colour_label.set_text_colour(*chosen);
  }
}

}  // namespace sy
