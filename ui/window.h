#pragma once
// A top-level window for a form: the form answers its messages, this class
// owns the rest (the window class, the font its controls share, a size the
// user cannot change, the message loop).

#include <windows.h>

namespace sy {

// What a form implements to answer its window's messages. Return true when
// the message was answered; `result` is then the window procedure's result.
struct message_handler {
  virtual bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;

 protected:
  ~message_handler() = default;
};

class top_window {
 public:
  top_window() = default;
  top_window(const top_window&) = delete;
  top_window& operator=(const top_window&) = delete;
  ~top_window();  // destroys the window if it still exists

  // Creates the window hidden, with the standard overlapped frame, at its
  // default place. The handler sees every message from WM_NCCREATE's
  // successors on, after the layer's own answers (ui/controls.h).
  bool create(message_handler& handler, const char* class_name, const char* caption);
  HWND handle() const { return handle_; }
  // Destroys the window now; a form calls it first thing in its destructor,
  // while it can still answer the messages of the destruction.
  void destroy();

  void set_client_size(int width, int height) const;
  // Style changes take effect on the frame at once.
  void change_style(LONG_PTR add, LONG_PTR remove) const;
  void change_ex_style(LONG_PTR add, LONG_PTR remove) const;
  // Creates the font (default attributes otherwise) and gives it to the
  // window; controls created later take it from the window. Freed with this object.
  void set_font(const char* face, int height);
  HFONT font() const { return font_; }

  // Deletes the Close item of the system menu, which also greys the caption's close button.
  void remove_close_item() const;
  // Clears the big icon; no small icon is ever set.
  void clear_big_icon() const { SendMessageA(handle_, WM_SETICON, ICON_BIG, 0); }
  // Centres the outer rectangle on the primary display, halves rounded down.
  void centre_on_screen() const;
  // Keeps the present outer size for good: the tracking size is pinned to it
  // and the sizing border hit-tests as a plain border, so no sizing cursor
  // appears and nothing can be dragged.
  void fix_size();

  // Shows the window and dispatches messages until the quit message; its exit code.
  int run_message_loop() const;

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT dispatch(UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
  message_handler* handler_ = nullptr;
  HFONT font_ = nullptr;
  SIZE fixed_size_{};  // 0 x 0 until fix_size
};

}  // namespace sy
