// Loading and saving the settings file on the real file system. A file that
// exists but cannot be read must never look like an empty one, or the next
// save would replace the user's settings with defaults.
#include "common/win/ini_file.h"

#include "tests/wine/support/files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sy_test::names_in;
using sy_test::read_file;
using sy_test::temp_directory;
using sy_test::write_file;

const std::string SETTINGS = "[状态栏]\r\n皮肤名称=w_fox.ini\r\n; kept\r\n[高级设置]\r\n自动调频=1";

TEST(load_ini_file, absent_file_is_an_empty_document_without_error) {
  temp_directory dir;
  for (const std::string& path : {dir / "shuoyun.ini", dir / "no such dir\\shuoyun.ini", std::string()}) {
    SCOPED_TRACE(path);
    const sy::ini_load_result loaded = sy::load_ini_file(path);
    EXPECT_EQ(loaded.error, 0u);
    EXPECT_EQ(loaded.document.bytes(), "");
    EXPECT_EQ(loaded.document.get_string("状态栏", "皮肤名称", "w_fox.ini"), "w_fox.ini");
  }
}

TEST(load_ini_file, reads_every_byte_of_a_chinese_named_file) {
  temp_directory dir;
  const std::string path = dir / "朔云设置淺.ini";
  const std::string bytes = SETTINGS + std::string(70000, ';');  // more than one read
  ASSERT_TRUE(write_file(path, bytes));
  const sy::ini_load_result loaded = sy::load_ini_file(path);
  EXPECT_EQ(loaded.error, 0u);
  EXPECT_EQ(loaded.document.bytes(), bytes);
  EXPECT_EQ(loaded.document.get_int("高级设置", "自动调频", 0), 1);
}

TEST(load_ini_file, file_held_open_exclusively_is_an_error_not_an_empty_file) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, SETTINGS));
  const HANDLE holder = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const sy::ini_load_result loaded = sy::load_ini_file(path);
  CloseHandle(holder);
  EXPECT_EQ(loaded.error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(read_file(path), SETTINGS);
}

TEST(load_ini_file, directory_in_place_of_the_file_is_an_error) {
  temp_directory dir;
  ASSERT_TRUE(CreateDirectoryA((dir / "shuoyun.ini").c_str(), nullptr));
  EXPECT_EQ(sy::load_ini_file(dir / "shuoyun.ini").error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
}

// Readers that share reading and writing (as the platform's profile reader
// does) must not be locked out while we read.
TEST(load_ini_file, reads_while_others_read_and_write) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, SETTINGS));
  const HANDLE other = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const sy::ini_load_result loaded = sy::load_ini_file(path);
  CloseHandle(other);
  EXPECT_EQ(loaded.error, 0u);
  EXPECT_EQ(loaded.document.bytes(), SETTINGS);
}

TEST(save_ini_file, writes_the_changed_document_back_whole) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, SETTINGS));
  sy::ini_load_result loaded = sy::load_ini_file(path);
  ASSERT_EQ(loaded.error, 0u);
  loaded.document.write_string("状态栏", "皮肤名称", "b.ini");
  loaded.document.write_string("系统设置", "候选项数", "5");

  EXPECT_EQ(sy::save_ini_file(path, loaded.document), 0u);
  EXPECT_EQ(read_file(path), loaded.document.bytes());
  EXPECT_EQ(sy::load_ini_file(path).document.get_string("系统设置", "候选项数", ""), "5");
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"shuoyun.ini"});
}

TEST(save_ini_file, failure_is_reported_and_the_file_kept) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, SETTINGS));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  sy::ini_document document = sy::ini_document::from_bytes(SETTINGS);
  document.write_string("高级设置", "自动调频", "0");

  EXPECT_EQ(sy::save_ini_file(path, document), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(read_file(path), SETTINGS);
  EXPECT_EQ(sy::save_ini_file(dir / "gone\\shuoyun.ini", document), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

}  // namespace
