// Opens the same GBK code tables in Wine's Notepad and in edit.exe, one
// program at a time, and measures:
//   - the time from starting the program until its edit control holds the
//     whole text and has painted it;
//   - the program's peak working set at that moment;
//   - for edit.exe, the time of "存盘退出" until the file is written and
//     closed, which is when this program's stand-in input-method window gets
//     the reload message, and until the process has ended; beside it the
//     floor: encoding the same UTF-16 text to GBK and writing it with a plain
//     WriteFile, in this process.
// Each size is run several times (three up to 10 MB, one above: the 50 MB
// table takes minutes under Wine); a time is the best of the runs, since
// other work on the machine only ever adds to it, memory the median.
// Usage: editor_bench_driver <edit.exe> <notepad.exe> <work dir> <MB>...
// The tables are generated as <work dir>\<MB>mb\shuoyun.usr when missing.
#include "editor/editor_commands.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD OPEN_TIME_LIMIT_MS = 15 * 60 * 1000;  // the 50 MB table takes minutes under Wine
constexpr UINT RELOAD_MESSAGE = 1124;
double g_reloaded_at = 0;  // when the stand-in input method was last told to reload

double seconds_now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return double(now.QuadPart) / double(frequency.QuadPart);
}

// A user code table: a Wubi code of one to four letters, a space, a word of
// one to four common hanzi (GB2312 level 1, so every program decodes them
// alike), CR LF.
std::string code_table(size_t size) {
  std::string bytes;
  bytes.reserve(size + 64);
  uint32_t seed = 20240601;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % n;
  };
  while (bytes.size() < size) {
    const uint32_t code_length = 1 + next(4), word_length = 1 + next(4);
    for (uint32_t i = 0; i < code_length; ++i) bytes += char('a' + next(25));
    bytes += ' ';
    for (uint32_t i = 0; i < word_length; ++i) {
      bytes += char(0xB0 + next(0xD7 - 0xB0));
      bytes += char(0xA1 + next(0xFE - 0xA1 + 1));
    }
    bytes += "\r\n";
  }
  return bytes;
}

bool write_whole(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  return CloseHandle(file) && ok && written == bytes.size();
}

std::string read_whole(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, &bytes[0], DWORD(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

std::wstring decode_936(const std::string& bytes) {
  std::wstring text(bytes.size(), L'\0');
  text.resize(size_t(MultiByteToWideChar(936, 0, bytes.data(), int(bytes.size()), &text[0], int(text.size()))));
  return text;
}

struct window_search {
  DWORD process;
  HWND edit;
};

HWND edit_control_of(DWORD process) {
  window_search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<window_search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || !IsWindowVisible(window)) return TRUE;
        s->edit = FindWindowExA(window, nullptr, "Edit", nullptr);
        return s->edit == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.edit;
}

struct open_result {
  bool shown = false;
  double seconds = 0;
  double peak_mb = 0;
};

// Starts `program file` and waits until its edit control reports the whole
// text and has painted. The process is left running for the caller.
open_result open_in(const std::string& program, const std::string& file, size_t expected_length,
                    PROCESS_INFORMATION& process) {
  open_result result;
  std::string command_line = "\"" + program + "\" " + file;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  const double start = seconds_now();
  if (!CreateProcessA(program.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fprintf(stderr, "cannot start %s: %lu\n", program.c_str(), GetLastError());
    return result;
  }
  while (seconds_now() - start < OPEN_TIME_LIMIT_MS / 1000.0) {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    HWND edit = edit_control_of(process.dwProcessId);
    DWORD_PTR length = 0;
    // The answer comes when the program is back in its message loop, that
    // is after the control has laid out the text it was given.
    if (edit && SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &length) &&
        length == expected_length) {
      RedrawWindow(GetAncestor(edit, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      result.seconds = seconds_now() - start;
      result.shown = true;
      break;
    }
    Sleep(edit ? 0 : 2);
  }
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory)) {
    result.peak_mb = double(memory.PeakWorkingSetSize) / (1 << 20);
  }
  return result;
}

void end_process(PROCESS_INFORMATION& process) {
  if (!process.hProcess) return;
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = PROCESS_INFORMATION{};
}

HWND main_window_of(HWND edit) { return GetAncestor(edit, GA_ROOT); }

LRESULT CALLBACK input_method_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == RELOAD_MESSAGE) {
    g_reloaded_at = seconds_now();
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// A window of the input method's class, so that the editor tells us when the
// file is saved.
HWND create_input_method_window() {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = input_method_procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "SYCLASS_UI";
  RegisterClassA(&window_class);
  return CreateWindowExA(0, "SYCLASS_UI", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// Waits for the process while this thread's windows answer their messages.
bool wait_pumping(HANDLE process, DWORD timeout_ms) {
  const double end = seconds_now() + timeout_ms / 1000.0;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const double left = end - seconds_now();
    if (left <= 0) return false;
    if (MsgWaitForMultipleObjects(1, &process, FALSE, DWORD(left * 1000), QS_ALLINPUT) == WAIT_OBJECT_0) return true;
  }
}

struct save_result {
  double written = -1;  // until the input method was told, that is the file was written and closed
  double ended = -1;    // until the process had ended
};

// "存盘退出" on the running editor.
save_result save_in_editor(PROCESS_INFORMATION& process) {
  save_result result;
  HWND edit = edit_control_of(process.dwProcessId);
  if (!edit) return result;
  g_reloaded_at = 0;
  const double start = seconds_now();
  PostMessageA(main_window_of(edit), WM_COMMAND, MAKEWPARAM(sy::SAVE_AND_EXIT_COMMAND, 0), 0);
  if (!wait_pumping(process.hProcess, OPEN_TIME_LIMIT_MS)) return result;
  const double ended = seconds_now() - start;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  process = PROCESS_INFORMATION{};
  if (code == 0 && g_reloaded_at > 0) {
    result.written = g_reloaded_at - start;
    result.ended = ended;
  }
  return result;
}

// What a plain program needs to write the same text: encode it to GBK with
// the system's converter and write it to a new file in one call.
double save_floor(const std::wstring& text, const std::string& path) {
  const double start = seconds_now();
  std::string bytes(text.size() * 2, '\0');
  bytes.resize(size_t(WideCharToMultiByte(936, 0, text.data(), int(text.size()), &bytes[0], int(bytes.size()),
                                          nullptr, nullptr)));
  const bool ok = write_whole(path, bytes);
  const double seconds = seconds_now() - start;
  DeleteFileA(path.c_str());
  return ok ? seconds : -1;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? -1 : values[values.size() / 2];
}

double best(const std::vector<double>& values) {
  return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s <edit.exe> <notepad.exe> <work dir> <MB>...\n", argv[0]);
    return 2;
  }
  const std::string editor = argv[1], notepad = argv[2], dir = argv[3];
  if (!create_input_method_window()) {
    std::fprintf(stderr, "cannot create the stand-in input-method window\n");
    return 1;
  }
  std::printf("%5s %4s | %9s %9s %5s %7s | %8s %8s %5s %8s | %10s %8s %5s\n", "MB", "runs", "notepad s", "edit s",
              "ratio", "edit s/MB", "save s", "floor s", "ratio", "exit s", "notepad MB", "edit MB", "ratio");
  std::fflush(stdout);
  int failures = 0;
  for (int i = 4; i < argc; ++i) {
    const int mb = std::atoi(argv[i]);
    const int runs = mb <= 10 ? 3 : 1;
    const std::string table_dir = dir + "\\" + std::to_string(mb) + "mb";
    const std::string file = table_dir + "\\shuoyun.usr";
    CreateDirectoryA(table_dir.c_str(), nullptr);
    std::string bytes = read_whole(file);
    if (bytes.empty()) {
      bytes = code_table(size_t(mb) << 20);
      if (!write_whole(file, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", file.c_str());
        return 1;
      }
    }
    const std::wstring text = decode_936(bytes);
    bytes.clear();
    bytes.shrink_to_fit();

    std::vector<double> notepad_open, editor_open, saved, ended, floor, notepad_peak, editor_peak;
    bool ok = true;
    for (int run = 0; run < runs && ok; ++run) {
      PROCESS_INFORMATION process{};
      const open_result by_notepad = open_in(notepad, file, text.size(), process);
      end_process(process);
      const open_result by_editor = open_in(editor, file, text.size(), process);
      const save_result save = by_editor.shown ? save_in_editor(process) : save_result{};
      end_process(process);
      for (int k = 0; k < 3; ++k) floor.push_back(save_floor(text, table_dir + "\\floor.out"));
      ok = by_notepad.shown && by_editor.shown && save.written > 0 && read_whole(file).size() > 0;
      notepad_open.push_back(by_notepad.seconds);
      editor_open.push_back(by_editor.seconds);
      notepad_peak.push_back(by_notepad.peak_mb);
      editor_peak.push_back(by_editor.peak_mb);
      saved.push_back(save.written);
      ended.push_back(save.ended);
    }
    failures += !ok;
    const double np = best(notepad_open), ed = best(editor_open), sv = best(saved), fl = best(floor);
    const double np_mb = median(notepad_peak), ed_mb = median(editor_peak);
    std::printf("%5d %4d | %9.3f %9.3f %5.2f %7.3f | %8.3f %8.3f %5.2f %8.3f | %10.1f %8.1f %5.2f%s\n", mb, runs, np,
                ed, np > 0 ? ed / np : 0, ed / mb, sv, fl, fl > 0 ? sv / fl : 0, best(ended), np_mb, ed_mb,
                np_mb > 0 ? ed_mb / np_mb : 0, ok ? "" : "   (failed)");
    std::fflush(stdout);
  }
  return failures ? 1 : 0;
}
