// Every case writes a file of its own: the platform caches profile files and
// may not notice a file rewritten within the same timestamp.

#include "common/ini_document.h"
#include "common/schema.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using sy::ini_document;

class ini_platform : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    directory_ = std::string(temp) + "sy_ini_platform_" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(directory_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }
  void TearDown() override {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);  // drop the platform's cached files
    for (int i = 0; i < files_; ++i) DeleteFileA(path_of(i).c_str());
    RemoveDirectoryA(directory_.c_str());
  }

  // A new file holding the bytes; its path.
  std::string file_with(const std::string& bytes) {
    const std::string path = path_of(files_++);
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  static std::string platform_string(const std::string& path, const char* section, const char* key, const char* fallback) {
    char buffer[260];
    GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, path.c_str());
    return buffer;
  }

  static int32_t platform_int(const std::string& path, const char* section, const char* key, int32_t fallback) {
    return int32_t(GetPrivateProfileIntA(section, key, fallback, path.c_str()));
  }

 private:
  std::string path_of(int i) const { return directory_ + "\\f" + std::to_string(i) + ".ini"; }
  std::string directory_;
  int files_ = 0;
};

std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

TEST_F(ini_platform, reads_agree) {
  const struct {
    std::string file;
    const char* section;
    const char* key;
  } cases[] = {
      {crlf({"[a]", "k = v "}), "a", "k"},
      {crlf({"[ a ]", "\t k\t=\t0,0,0\t"}), "a", "k"},
      {crlf({"[a]", " ;k=1"}), "a", "k"},
      {crlf({"[a]", "k"}), "a", "k"},
      {crlf({"[a]", "k='x'"}), "a", "k"},
      {crlf({"[a]", "k=\"x'"}), "a", "k"},
      {crlf({"[a]", "k=\" x \""}), "a", "k"},
      {crlf({"[a]", "k=\"5\"\""}), "a", "k"},
      {crlf({"[a]", "k=a=b ; c"}), "a", "k"},
      {crlf({"[a]", "k=1", "K=2"}), "a", "k"},
      {crlf({"[a]", "k=1", "[a]", "j=2"}), "a", "j"},
      {crlf({"[Abc]", "KEY=1"}), "aBC", "key"},
      {crlf({"[a] x", "k=1"}), "a", "k"},
      {crlf({"[a]]", "k=1"}), "a]", "k"},
      {crlf({"[a", "k=1"}), "a", "k"},
      {crlf({"k=1", "[a]"}), "", "k"},
      {crlf({"k=1", "[a]"}), "a", "k"},
      {crlf({"[]", "k=1"}), "", "k"},
      {"[a]\nk=1\n", "a", "k"},
      {"[a]\rk=1\rj=2\r", "a", "j"},
      {"[a]\r\nk=1\rj=2\r\n", "a", "k"},
      {"[a]\r\nk=1\r\r\n", "a", "k"},
      {"[a]\r\nk=1", "a", "k"},
      {crlf({"[a]", "k=" + std::string(300, 'x')}), "a", "k"},
      // GBK: trail bytes that look like a capital letter or like ']'
      {crlf({"[a]", "\x81\x5A=1"}), "a", "\x81\x7A"},
      {crlf({"[a]", "\x81\x5A=1"}), "a", "\x81\x5A"},
      {crlf({"[x\x81\x5Dy]", "k=1"}), "x\x81\x5Dy", "k"},
      {crlf({"[状态栏]", "皮肤名称 = w_fox.ini"}), "状态栏", "皮肤名称"},
      {crlf({"[系统设置]", "ENTER功能=1"}), "系统设置", "Enter功能"},
  };
  for (const auto& c : cases) {
    const std::string path = file_with(c.file);
    const ini_document doc = ini_document::from_bytes(c.file);
    EXPECT_EQ(doc.get_string(c.section, c.key, "DEF"), platform_string(path, c.section, c.key, "DEF")) << c.file;
    EXPECT_EQ(doc.get_int(c.section, c.key, -7), platform_int(path, c.section, c.key, -7)) << c.file;
  }
}

TEST_F(ini_platform, integer_reads_agree) {
  const char* values[] = {
      "", "   ", "\"\"", "\" \"", "05", "13", "+5", "-3", " 7 ", "5abc", "abc", "- 3", "--3", "\"9\"",
      "012", "0x10", "0X10", "0o17", "0b101", "-0x1f", "0x", "0xg",
      "2147483647", "2147483648", "4294967297", "-4294967295",
      "00000000000000000000000000005", "000000000000000000000000000005", "99999999999999999999999999999999999",
  };
  for (const char* value : values) {
    const std::string file = crlf({"[a]", std::string("k=") + value});
    const std::string path = file_with(file);
    EXPECT_EQ(ini_document::from_bytes(file).get_int("a", "k", -7), platform_int(path, "a", "k", -7)) << value;
  }
}

// A hand-edited file after a save of all 50 keys: the platform reads every
// key as written and everything else as before.
TEST_F(ini_platform, platform_reads_what_we_write) {
  const std::string before = crlf({
      "; kept",
      "[状态栏]",
      "  皮肤名称 = old.ini",
      "other=keep",
      "",
      "[系统设置]",
      "候选项数=\"9\"",
      "ENTER功能=0",  // not this section's key: stays
      "",
      "; leads into the next section",
      "[状态栏]",
      "隐藏状态栏=5",  // a duplicate section: never read, never written
  });
  ini_document doc = ini_document::from_bytes(before);
  for (const sy::key_info& key : sy::all_keys())
    doc.write_string(sy::section_name(key.sect), key.name, std::string("v") + std::to_string(int(key.id)));
  const std::string path = file_with(doc.bytes());
  for (const sy::key_info& key : sy::all_keys())
    EXPECT_EQ(platform_string(path, sy::section_name(key.sect), key.name, "DEF"), "v" + std::to_string(int(key.id)))
        << key.name;
  EXPECT_EQ(platform_string(path, "状态栏", "other", "DEF"), "keep");
  EXPECT_EQ(platform_string(path, "系统设置", "ENTER功能", "DEF"), "0");
  // The duplicate section and the comment before it stay; the new section follows.
  EXPECT_NE(doc.bytes().find("; leads into the next section\r\n[状态栏]\r\n隐藏状态栏=5\r\n[高级设置]\r\n"),
            std::string::npos);
}

}  // namespace
