#include "tests/wine/support/process.h"

#include <gtest/gtest.h>

namespace sy_test {

std::string bin_dir() {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string path = self;
  return path.substr(0, path.find_last_of('\\') + 1);
}

child_process::child_process(const std::string& program, const std::string& arguments, const std::string& work_dir) {
  std::string command_line = "\"" + program + "\"";
  if (!arguments.empty()) command_line += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(program.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      work_dir.empty() ? nullptr : work_dir.c_str(), &startup, &info_)) {
    ADD_FAILURE() << "cannot start " << program << ": error " << GetLastError();
    info_ = PROCESS_INFORMATION{};
  }
}

bool child_process::running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool child_process::wait_for_exit(DWORD timeout_ms) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(info_.hProcess, &exit_code_);
  return true;
}

DWORD child_process::end(UINT code) {
  if (!info_.hProcess) return exit_code_;
  if (running()) {
    TerminateProcess(info_.hProcess, code);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  GetExitCodeProcess(info_.hProcess, &exit_code_);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  info_ = PROCESS_INFORMATION{};
  return exit_code_;
}

}  // namespace sy_test
