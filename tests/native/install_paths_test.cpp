#include "common/install_paths.h"

#include "common/gbk_literal.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(install_paths, files_of_the_directory) {
  const struct {
    const char* directory;
    const char* settings;
    const char* skins;
  } cases[] = {
      {"C:\\IME", "C:\\IME\\shuoyun.ini", "C:\\IME\\skin\\*.ini"},
      {"C:\\IME\\", "C:\\IME\\\\shuoyun.ini", "C:\\IME\\\\skin\\*.ini"},  // used unchanged
      {"", "\\shuoyun.ini", "\\skin\\*.ini"},
      {"D:\\朔云 中文", "D:\\朔云 中文\\shuoyun.ini", "D:\\朔云 中文\\skin\\*.ini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sy::settings_path_for(c.directory), c.settings);
    EXPECT_EQ(sy::skin_pattern_for(c.directory), c.skins);
  }
}

TEST(install_paths, registry_names) {
  EXPECT_EQ(std::string(sy::PRODUCT_KEY), std::string("SOFTWARE\\") + sy::PRODUCT_NAME);
  EXPECT_STREQ(sy::registry_value_name(false), "系统目录");
  EXPECT_STREQ(sy::registry_value_name(true), "系统目录98");
}

TEST(install_paths, registry_text_stops_at_zero_and_at_260_bytes) {
  const std::string full(300, 'd');
  const struct {
    std::string data;
    size_t size;
    std::string expected;
  } cases[] = {
      {std::string("C:\\IME\0junk", 11), 11, "C:\\IME"},
      {std::string("C:\\IME\0", 7), 7, "C:\\IME"},
      {std::string("\0C:\\IME", 7), 7, ""},
      {"C:\\IME", 6, "C:\\IME"},   // stored without its zero
      {full, 260, std::string(260, 'd')},
      {full, 300, std::string(260, 'd')},  // never past the buffer
      {full, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sy::registry_text_from_buffer(c.data.data(), c.size), c.expected) << c.data.substr(0, 20);
  EXPECT_EQ(sy::registry_text_from_buffer(nullptr, 10), "");
}

}  // namespace
