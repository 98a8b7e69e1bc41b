// The editor's Win32 adapters against the system itself: code page 936 one
// character at a time, and reading and recognising a file on disk.
#include "editor/cp936_win.h"
#include "editor/disk_file_win.h"
#include "tests/wine/support/files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using sy_test::temp_directory;

TEST(cp936_adapter, decodes_only_pairs_that_are_characters) {
  struct pair_case {
    const char* name;
    unsigned char lead, trail;
    char16_t expected;
  };
  const pair_case cases[] = {
      {"first GB2312 hanzi", 0xB0, 0xA1, 0x554A},
      {"GBK extension", 0x81, 0x40, 0x4E02},
      {"full-width comma", 0xA3, 0xAC, 0xFF0C},
      {"trail 0x7F is never a trail", 0x81, 0x7F, 0},
      {"0xFF is never a trail", 0x81, 0xFF, 0},
      {"user-defined area, which round-trips", 0xA2, 0xA0, 0xE585},
  };
  for (const pair_case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(sy::cp936_decode_pair(c.lead, c.trail), c.expected);
  }
}

TEST(cp936_adapter, encodes_characters_and_refuses_what_gbk_lacks) {
  struct char_case {
    const char* name;
    char16_t ch;
    std::string bytes;  // empty: refused
  };
  const char_case cases[] = {
      {"ASCII", u'a', "a"},
      {"hanzi", 0x6C49, "\xBA\xBA"},
      {"euro sign, the single byte 0x80 of code page 936", 0x20AC, "\x80"},
      {"Hangul syllable", 0xAC00, ""},
      {"pinyin letter", 0x0101, "\xA8\xA1"},
      {"capital A with macron, which a best fit would make A", 0x0100, ""},
      {"lone surrogate", 0xD800, ""},
  };
  for (const char_case& c : cases) {
    SCOPED_TRACE(c.name);
    unsigned char out[2] = {};
    const int n = sy::cp936_encode_char(c.ch, out);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out), size_t(n)), c.bytes);
  }
}

// The codec built on the system decodes every double-byte character the
// system knows as the system does, and gives every byte string back.
TEST(cp936_adapter, codec_agrees_with_the_system_and_round_trips_every_pair) {
  const sy::gbk_codec& codec = sy::cp936_codec();
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
    for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
      const std::string pair{char(lead), char(trail)};
      const std::u16string decoded = codec.decode(pair);
      const char16_t system = sy::cp936_decode_pair(lead, trail);
      if (decoded.size() == 1) {
        ++characters;
        EXPECT_EQ(decoded[0], system) << std::hex << lead << " " << trail;
      }
      const sy::gbk_codec::encode_result back = codec.encode(decoded);
      ASSERT_TRUE(back.ok()) << std::hex << lead << " " << trail;
      EXPECT_EQ(back.bytes, pair) << std::hex << lead << " " << trail;
    }
  }
  EXPECT_GT(characters, 21000);  // GBK holds 21886 double-byte characters
}

class disk_file_adapter : public testing::Test {
 protected:
  temp_directory dir;
};

TEST_F(disk_file_adapter, reads_every_byte_with_a_stamp_that_matches_a_later_look) {
  const std::string path = dir / "shuoyun.usr";
  std::string bytes = std::string("a\0b\x1A\r\n", 6);
  for (int i = 0; i < 300000; ++i) bytes += char('a' + i % 26);  // several read pieces
  sy_test::write_bytes(path, bytes);
  const sy::file_contents read = sy::read_whole_file(path);
  ASSERT_EQ(read.error, 0u);
  EXPECT_EQ(read.bytes, bytes);
  EXPECT_EQ(read.stamp.size, bytes.size());
  EXPECT_EQ(read.stamp.write_time, sy_test::write_time_of(path));
  sy::file_stamp now;
  ASSERT_EQ(sy::read_file_stamp(path, now), 0u);
  EXPECT_EQ(now, read.stamp);
}

// A program that changes one byte and puts the old time back is still noticed.
TEST_F(disk_file_adapter, stamp_tells_a_change_of_content_alone) {
  const std::string path = dir / "shuoyun.usr";
  const std::string before = "aaaa bbbb\r\ncccc dddd\r\nx";
  for (size_t at : {size_t(0), size_t(7), before.size() - 1}) {
    SCOPED_TRACE(at);
    sy_test::write_bytes(path, before);
    const sy::file_contents read = sy::read_whole_file(path);
    std::string after = before;
    after[at] = 'Z';
    sy_test::write_bytes(path, after);
    sy_test::set_write_time(path, read.stamp.write_time);
    sy::file_stamp now;
    ASSERT_EQ(sy::read_file_stamp(path, now), 0u);
    EXPECT_EQ(now.size, read.stamp.size);
    EXPECT_EQ(now.write_time, read.stamp.write_time);
    EXPECT_NE(now, read.stamp);
  }
}

TEST_F(disk_file_adapter, reports_the_system_error_and_no_bytes) {
  const std::string locked = dir / "locked.usr";
  sy_test::write_bytes(locked, "text");
  // Another program has it open for writing: reading it now could see half a write.
  HANDLE writer = CreateFileA(locked.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  struct error_case {
    const char* name;
    std::string path;
    DWORD error;
  };
  const error_case cases[] = {
      {"missing file", dir / "none.usr", ERROR_FILE_NOT_FOUND},
      {"missing directory", dir / "none\\shuoyun.usr", ERROR_PATH_NOT_FOUND},
      {"open for writing elsewhere", locked, ERROR_SHARING_VIOLATION},
  };
  for (const error_case& c : cases) {
    SCOPED_TRACE(c.name);
    const sy::file_contents read = sy::read_whole_file(c.path);
    EXPECT_EQ(read.error, c.error);
    EXPECT_TRUE(read.bytes.empty());
    sy::file_stamp stamp;
    EXPECT_EQ(sy::read_file_stamp(c.path, stamp), c.error);
  }
  CloseHandle(writer);
}

}  // namespace
