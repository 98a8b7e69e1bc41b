#pragma once
// A program of the build started as its own process for a test. Whatever
// happens in the test, the process does not outlive it: the destructor
// terminates it by its handle.
#include <windows.h>

#include <string>

namespace sy_test {

// The directory of the running test binary, with its final backslash; the
// programs under test and the stand-ins are built there too.
std::string bin_dir();

class child_process {
 public:
  // Starts `program` with `arguments` after its quoted name, exactly as given
  // (quote them as a caller would), in `work_dir` (empty: ours). A program
  // that cannot be started fails the test.
  child_process(const std::string& program, const std::string& arguments, const std::string& work_dir = "");
  ~child_process() { end(); }
  child_process(const child_process&) = delete;
  child_process& operator=(const child_process&) = delete;

  bool started() const { return info_.hProcess != nullptr; }
  bool running() const;
  // True when it ended within the time-out; exit_code() is then set.
  bool wait_for_exit(DWORD timeout_ms);
  // Terminates it with `code` if it still runs, waits for its end and lets go
  // of its handles. Returns its exit code.
  DWORD end(UINT code = 99);

  HANDLE handle() const { return info_.hProcess; }
  DWORD id() const { return info_.dwProcessId; }
  DWORD exit_code() const { return exit_code_; }

 private:
  PROCESS_INFORMATION info_{};
  DWORD exit_code_ = STILL_ACTIVE;
};

}  // namespace sy_test
