// Replacing files on the real file system of the Wine prefix. After every
// failure the old content must be intact and no temporary file left over.
#include "common/win/atomic_file.h"

#include "tests/wine/support/files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sy_test::names_in;
using sy_test::read_file;
using sy_test::temp_directory;
using sy_test::write_file;

const std::string OLD_CONTENT = "[状态栏]\r\n皮肤名称=w_fox.ini\r\n";

TEST(replace_file_atomically, replaces_the_whole_content_exactly) {
  const std::string contents[] = {
      std::string(100000, 'x'),                   // longer than before
      "a",                                        // shorter than before
      std::string("\0\r\r\n\xFF\x80 no end", 13),  // any bytes, no final line end
      "",                                         // nothing at all
  };
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, OLD_CONTENT));
  for (const std::string& content : contents) {
    EXPECT_EQ(sy::replace_file_atomically(path, content), 0u);
    EXPECT_EQ(read_file(path), content);
    EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"shuoyun.ini"}) << "a temporary file was left";
  }
}

TEST(replace_file_atomically, creates_a_missing_file) {
  temp_directory dir;
  EXPECT_EQ(sy::replace_file_atomically(dir / "new.ini", "k=v\r\n"), 0u);
  EXPECT_EQ(read_file(dir / "new.ini"), "k=v\r\n");
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"new.ini"});
}

// A byte 0x5C ("\") inside a double-byte character must not be taken for a
// path separator: 淺 is 9C 5C in GBK.
TEST(replace_file_atomically, chinese_names_are_gbk_paths) {
  temp_directory dir;
  const std::string sub = dir / "输入法淺";
  ASSERT_TRUE(CreateDirectoryA(sub.c_str(), nullptr));
  const std::string path = sub + "\\设置淺.ini";
  EXPECT_EQ(sy::replace_file_atomically(path, "v=1\r\n"), 0u);
  EXPECT_EQ(sy::replace_file_atomically(path, "v=2\r\n"), 0u);
  EXPECT_EQ(names_in(sub), std::vector<std::string>{"设置淺.ini"});
  // The name as Unicode proves that the bytes were read as GBK.
  const std::wstring wide_path = [&] {
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(936, 0, path.c_str(), -1, wide, MAX_PATH);
    return std::wstring(wide);
  }();
  EXPECT_NE(wide_path.find(L"\u8F93\u5165\u6CD5\u6DFA\\\u8BBE\u7F6E\u6DFA.ini"), std::wstring::npos);
  EXPECT_NE(GetFileAttributesW(wide_path.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(read_file(path), "v=2\r\n");
}

TEST(replace_file_atomically, keeps_the_attributes_of_the_replaced_file) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, OLD_CONTENT));
  const DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
  ASSERT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes);

  EXPECT_EQ(sy::replace_file_atomically(path, "new"), 0u);
  EXPECT_EQ(read_file(path), "new");
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes);
}

TEST(replace_file_atomically, keeps_the_creation_time_where_the_file_system_stores_it) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, OLD_CONTENT));
  const FILETIME created{0x12345678, 0x01C00000};  // in 2000
  {
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFileTime(file, &created, nullptr, nullptr);
    CloseHandle(file);
  }
  WIN32_FILE_ATTRIBUTE_DATA before{};
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &before));
  if (CompareFileTime(&before.ftCreationTime, &created) != 0)
    GTEST_SKIP() << "this file system does not store creation times (Wine on most Linux file systems)";

  EXPECT_EQ(sy::replace_file_atomically(path, "new"), 0u);
  WIN32_FILE_ATTRIBUTE_DATA after{};
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &after));
  EXPECT_EQ(CompareFileTime(&after.ftCreationTime, &created), 0);
}

TEST(replace_file_atomically, read_only_file_is_refused_and_kept) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, OLD_CONTENT));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

  EXPECT_EQ(sy::replace_file_atomically(path, "new"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(read_file(path), OLD_CONTENT);
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"shuoyun.ini"});
}

TEST(replace_file_atomically, missing_directory_is_path_not_found) {
  temp_directory dir;
  EXPECT_EQ(sy::replace_file_atomically(dir / "gone\\shuoyun.ini", "new"), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(names_in(dir.path()).empty());
}

TEST(replace_file_atomically, directory_in_the_way_is_refused) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
  EXPECT_EQ(sy::replace_file_atomically(path, "new"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"shuoyun.ini"});
}

// Another opener of the file, by the access it holds and the sharing it
// grants. Whatever it shares, the file is not replaced under it.
struct opener_case {
  const char* name;
  DWORD access;
  DWORD sharing;
};

class replace_while_open_test : public ::testing::TestWithParam<opener_case> {};

TEST_P(replace_while_open_test, conflicting_opener_keeps_the_file) {
  temp_directory dir;
  const std::string path = dir / "shuoyun.ini";
  ASSERT_TRUE(write_file(path, OLD_CONTENT));
  const HANDLE other = CreateFileA(path.c_str(), GetParam().access, GetParam().sharing, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);

  const DWORD error = sy::replace_file_atomically(path, "new");
  CloseHandle(other);

  EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(read_file(path), OLD_CONTENT);
  EXPECT_EQ(names_in(dir.path()), std::vector<std::string>{"shuoyun.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    openers, replace_while_open_test,
    ::testing::Values(
        opener_case{"reader_sharing_nothing", GENERIC_READ, 0},
        opener_case{"reader_sharing_reading_only", GENERIC_READ, FILE_SHARE_READ},
        // GetPrivateProfileString opens so: replacing needs delete access.
        opener_case{"reader_not_sharing_delete", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE},
        opener_case{"writer_sharing_everything", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE},
        // Even this one: Windows and Wine refuse to rename over an open file.
        opener_case{"reader_sharing_everything", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE}),
    [](const ::testing::TestParamInfo<opener_case>& info) { return std::string(info.param.name); });

}  // namespace
