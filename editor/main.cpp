// edit.exe: edits the file named by its first argument.
#include "common/command_line.h"
#include "editor/editor_form.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  sy::editor_form form;
  form.build_editor_form(sy::command_line_argument(GetCommandLineA(), 1));
  return form.main_window.run_message_loop();
}
