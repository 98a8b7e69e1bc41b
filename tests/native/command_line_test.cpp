#include "common/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using args = std::vector<std::string>;

TEST(split_command_line, separators_and_quotes) {
  const struct {
    std::string line;
    args expected;
  } cases[] = {
      {"", {}},
      {"   ", {}},
      {"shuoyun.opt", {"shuoyun.opt"}},
      {"shuoyun.opt 98 1234", {"shuoyun.opt", "98", "1234"}},
      {"  shuoyun.opt   98\t1234  ", {"shuoyun.opt", "98", "1234"}},
      // every code from 1 to 32 separates; 127 does not
      {"a\x01" "b\x1F" "c\x20" "d\x7F" "e", {"a", "b", "c", "d\x7F" "e"}},
      // empty quotes where an argument would begin are skipped like blanks
      {"shuoyun.opt \"\" 98 1234", {"shuoyun.opt", "98", "1234"}},
      {"x \"\"\"\"98", {"x", "98"}},
      {"x \"\"\"98\"", {"x", "98"}},
      {"x \"\"", {"x"}},
      {"x 98\"\"", {"x", "98\"\""}},  // not where an argument begins
      // an argument that begins and ends with a quote loses that pair only
      {"shuoyun.opt \"98\" 1234", {"shuoyun.opt", "98", "1234"}},
      {"\"C:\\Program Files\\IME\\shuoyun.opt\" 98 5", {"C:\\Program Files\\IME\\shuoyun.opt", "98", "5"}},
      {"x \"a\"b\"c d\"", {"x", "a\"b\"c d"}},
      {"x \" \"", {"x", " "}},
      {"x \"", {"x", "\""}},  // a lone quote is one byte: kept
      // a quoted stretch inside an argument keeps its quotes and its blanks
      {"x a\"b c\"d e", {"x", "a\"b c\"d", "e"}},
      {"x \"a b\"c", {"x", "\"a b\"c"}},
      // an unclosed quote runs to the end of the line
      {"x \"a b", {"x", "\"a b"}},
      // a zero byte ends the line
      {std::string("a b\0c d", 7), {"a", "b"}},
      // GBK bytes are ordinary argument bytes, quoted blanks included
      {"\"C:\\朔云 中文\\shuoyun.opt\" 98 \"D:\\输入 法\"", {"C:\\朔云 中文\\shuoyun.opt", "98", "D:\\输入 法"}},
      {"\xFF\x80 \xA1\xA1", {"\xFF\x80", "\xA1\xA1"}},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::split_command_line(c.line), c.expected) << c.line;
}

TEST(command_line, variant_and_window) {
  const struct {
    const char* line;
    bool variant_98;
    int32_t window;
  } cases[] = {
      {"shuoyun.opt", false, 0},
      {"shuoyun.opt 98 1234", true, 1234},
      {"shuoyun.opt \"\" 98 1234", true, 1234},
      {"shuoyun.opt \"98\"", true, 0},
      {"shuoyun.opt 98 \"\"", true, 0},
      {"shuoyun.opt 098 5", false, 5},
      {"shuoyun.opt 98x", false, 0},
      {"shuoyun.opt 1234", false, 0},  // positional: the handle needs an argument 1 before it
      {"shuoyun.opt x 0x10", false, 7210},
      {"shuoyun.opt 98 -1", true, -29},
      {"shuoyun.opt 98 4294967295", true, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(sy::is_variant_98(sy::command_line_argument(c.line, 1)), c.variant_98) << c.line;
    EXPECT_EQ(sy::command_line_window_from(sy::command_line_argument(c.line, 2)), c.window) << c.line;
  }
}

TEST(command_line, absent_argument_is_empty) {
  EXPECT_EQ(sy::command_line_argument("", 0), "");
  EXPECT_EQ(sy::command_line_argument("a b", 1), "b");
  EXPECT_EQ(sy::command_line_argument("a b", 2), "");
  EXPECT_EQ(sy::command_line_argument("a b", size_t(-1)), "");
}

TEST(command_line, only_the_two_bytes_98_select_the_variant) {
  for (const char* text : {"", "9", "098", "98x", "98 ", " 98", "\"98\"", "９８"})
    EXPECT_FALSE(sy::is_variant_98(text)) << text;
  EXPECT_TRUE(sy::is_variant_98("98"));
}

}  // namespace
