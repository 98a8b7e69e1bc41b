#include "editor/core/editor_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct text_case {
  const char* name;
  std::string file;
  std::string text;
  std::string tail;
};

// Lines of a given length put a CR or CR LF where the block-wise search for
// a lone CR turns from one block to the next.
std::string filler(size_t n) { return std::string(n, 'x'); }

const text_case TEXT_CASES[] = {
    {"last line gains its end", "a\r\nb", "a\r\nb\r\n", ""},
    {"CR LF text stays as it is", "a\r\nb\r\n", "a\r\nb\r\n", ""},
    {"empty lines stay", "\r\n\r\n", "\r\n\r\n", ""},
    {"lone CR becomes CR LF", "a\rb\r\n", "a\r\nb\r\n", ""},
    {"lone CR at the end", "a\r", "a\r\n", ""},
    {"CR CR LF is two line ends", "\r\r\n", "\r\n\r\n", ""},
    {"LF-only file is one line", "a\nb\n", "a\nb\n\r\n", ""},
    {"LF before CR is part of the line", "\n\r", "\n\r\n", ""},
    {"empty file", "", "", ""},
    {"0x1A in the middle cuts the text", "a\r\nb\x1A" "c\r\n\x1A", "a\r\nb\r\n", "\x1A" "c\r\n\x1A"},
    {"0x1A at the start", "\x1A" "abc\r\n", "", "\x1A" "abc\r\n"},
    {"lone CR just before 0x1A", "a\r\x1A\n", "a\r\n", "\x1A\n"},
    {"GBK text keeps its bytes", "汉字\r\n词组", "汉字\r\n词组\r\n", ""},
    {"CR LF across a block edge", filler(31) + "\r\n" + filler(40) + "\r\n", filler(31) + "\r\n" + filler(40) + "\r\n", ""},
    {"lone CR far into the text", filler(70) + "\r" + filler(40) + "\r\n" + filler(10), filler(70) + "\r\n" + filler(40) + "\r\n" + filler(10) + "\r\n", ""},
    {"lone CR as the last byte of a block", filler(31) + "\r" + filler(33), filler(31) + "\r\n" + filler(33) + "\r\n", ""},
    {"lone CRs in a row", filler(40) + "\r\r\r" + filler(40), filler(40) + "\r\n\r\n\r\n" + filler(40) + "\r\n", ""},
};

TEST(editor_text, loading_makes_every_line_end_cr_lf_and_stops_at_ctrl_z) {
  for (const text_case& c : TEXT_CASES) {
    SCOPED_TRACE(c.name);
    const sy::loaded_text loaded = sy::text_from_file_bytes(c.file);
    EXPECT_EQ(loaded.text, c.text);
    EXPECT_EQ(loaded.tail, c.tail);
  }
}

TEST(editor_text, loading_the_shown_text_again_changes_nothing) {
  for (const text_case& c : TEXT_CASES) {
    SCOPED_TRACE(c.name);
    const sy::loaded_text again = sy::text_from_file_bytes(c.text);
    EXPECT_EQ(again.text, c.text);
    EXPECT_EQ(again.tail, "");
  }
}

TEST(editor_text, saving_unchanged_text_writes_a_cr_lf_file_back_byte_for_byte) {
  const std::string files[] = {
      "",
      "a\r\n",
      "a\r\nb\r\n",
      "\r\n\r\n",
      "code 汉字词组\r\nabc 朔云\r\n",
      "line with\nLF inside\r\n",
      "a\r\nb\r\n\x1A",
      "a\r\n\x1A" "rest\rwith\nany\x1A" "bytes\xFF",
      "\x1A",
      "\x1A" "\r\n\x1A",
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(testing::PrintToString(file));
    const sy::loaded_text loaded = sy::text_from_file_bytes(file);
    EXPECT_EQ(sy::file_bytes_from_text(loaded.text, loaded.tail), file);
  }
}

TEST(editor_text, saving_writes_the_text_as_it_stands_then_the_tail) {
  // An edited text is written without any line end added or converted.
  EXPECT_EQ(sy::file_bytes_from_text("a\r\nb", ""), "a\r\nb");
  EXPECT_EQ(sy::file_bytes_from_text("new\n", "\x1A" "old"), "new\n\x1A" "old");
  EXPECT_EQ(sy::file_bytes_from_text("", ""), "");
}

}  // namespace
