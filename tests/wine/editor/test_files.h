#pragma once
// Files for the editor's tests: a fresh directory per test under the temp
// directory, removed with everything in it (read-only files too) at the end.
#include <windows.h>

#include <cstdint>
#include <string>

namespace sy_test {

class scratch_dir {
 public:
  scratch_dir();
  ~scratch_dir();
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

void make_dir(const std::string& path);
void write_bytes(const std::string& path, const std::string& bytes);
std::string read_bytes(const std::string& path);
uint64_t write_time_of(const std::string& path);
void set_write_time(const std::string& path, uint64_t time);
bool file_exists(const std::string& path);

}  // namespace sy_test
