#pragma once
// The editor's one window: a menu bar with two commands, the text area and a
// status line. It edits the file named on the command line, writes it back
// on "存盘退出" and tells the input method to read it again.

#include "editor/disk_file_win.h"
#include "ui/menu_bar.h"
#include "ui/multiline_edit.h"
#include "ui/status_bar.h"
#include "ui/window.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace sy {

struct editor_form : message_handler {
  top_window main_window;
  sy::menu_bar menu_bar;
  multiline_edit text_area;
  sy::status_bar status_bar;

  std::string file_argument;  // the path exactly as given, "" when none
  std::string tail;           // the file's bytes from the first 0x1A on: not shown, written back after the text
  file_stamp loaded;          // the file as it was loaded, to notice another program's change before writing
  HFONT text_font = nullptr;  // the text area's own font, freed with the form

  editor_form() = default;
  editor_form(const editor_form&) = delete;
  editor_form& operator=(const editor_form&) = delete;
  ~editor_form();

  // Builds and shows the window, then loads the file; a file that cannot be
  // read ends the process with its error number.
  void build_editor_form(std::string file_argument);
  void load_file();
  void save_and_exit();
  void write_file(const std::string& name, std::string_view bytes);
  void discard_and_exit();

  void on_command(unsigned id);
  void on_size();
  bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

 private:
  bool unchanged_on_disk_or_replace_confirmed();
  void refuse_unencodable(size_t index, size_t line, char32_t code_point);
};

}  // namespace sy
