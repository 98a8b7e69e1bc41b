#pragma once
// Real files for the Wine tests: a fresh directory per test, removed with
// everything in it afterwards, and whole-file reads and writes that do not go
// through the code under test.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sy_test {

// A new empty directory below the temporary directory, named after `prefix`,
// the process and a counter; removed on destruction with all it holds
// (read-only files included).
class temp_directory {
 public:
  explicit temp_directory(const std::string& prefix = "sy_test_");
  ~temp_directory();
  temp_directory(const temp_directory&) = delete;
  temp_directory& operator=(const temp_directory&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Deletes a directory and everything below it, read-only files too.
void remove_tree(const std::string& directory);
// The names in a directory, sorted, without "." and "..".
std::vector<std::string> names_in(const std::string& directory);

// The file's bytes, or nothing when it cannot be opened.
std::optional<std::string> file_contents(const std::string& path);
// The file's bytes, or "<missing>" when it cannot be opened.
std::string read_file(const std::string& path);
// Writes the whole file; false when it cannot.
bool write_file(const std::string& path, const std::string& bytes);

// The same, but a file that cannot be read or written fails the test.
void make_dir(const std::string& path);
void write_bytes(const std::string& path, const std::string& bytes);
std::string read_bytes(const std::string& path);

uint64_t write_time_of(const std::string& path);  // 0 when unknown
void set_write_time(const std::string& path, uint64_t time);
bool file_exists(const std::string& path);

}  // namespace sy_test
