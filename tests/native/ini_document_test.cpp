#include "common/ini_document.h"

#include "common/schema.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using sy::ini_document;

// Lines joined with the given line end, each line ended by it.
std::string lines(std::string_view line_end, std::initializer_list<std::string_view> list) {
  std::string text;
  for (std::string_view line : list) {
    text += line;
    text += line_end;
  }
  return text;
}
std::string crlf(std::initializer_list<std::string_view> list) { return lines("\r\n", list); }
std::string lf(std::initializer_list<std::string_view> list) { return lines("\n", list); }

// A hand-edited Windows file: comments, blank lines, odd spacing, quotes,
// unknown keys, duplicate keys and sections, and bytes that are not GBK.
const std::string EDITED = crlf({
    "; settings of the input method",
    "",
    "[状态栏]",
    "皮肤名称 = w_fox.ini ",
    "  隐藏状态栏的按键=09",
    "unknown key = keep me",
    "",
    "; leads into the next section",
    "\t[ 系统设置 ]  ; trailing text",
    "候选项数=\"7\"",
    "外码提示个数='  6  '",
    "Enter功能=1",
    "ENTER功能=2",
    "\xFF\xFE\x80 not a key",
    " ;候选窗光标跟随=1",
    "候选汉字颜色 =\t0,0,0\t",
    "[状态栏]",
    "皮肤名称=second.ini",
    "状态栏自动定位=0",
});

TEST(ini_document, reads_follow_the_private_profile_rules) {
  const ini_document doc = ini_document::from_bytes(EDITED);
  const struct {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"状态栏", "皮肤名称", "w_fox.ini"},             // blanks around key and value
      {"状态栏", "隐藏状态栏的按键", "09"},            // indented line
      {"状态栏", "unknown key", "keep me"},
      {"状态栏", "UNKNOWN KEY", "keep me"},            // ASCII case does not count
      {"系统设置", "候选项数", "7"},                    // quotes removed
      {"系统设置", "外码提示个数", "  6  "},            // blanks inside quotes stay
      {"系统设置", "enter功能", "1"},                   // first of two keys that match
      {"系统设置", "候选窗光标跟随", "(default)"},      // a comment, even indented
      {"系统设置", "候选汉字颜色", "0,0,0"},            // tabs
      {"状态栏", "状态栏自动定位", "(default)"},        // only in the second 状态栏: not read
      {"高级设置", "Enter功能", "(default)"},           // no such section
      {"系统设置", "皮肤名称", "(default)"},            // no key is read from another section
  };
  for (const auto& c : cases)
    EXPECT_EQ(doc.get_string(c.section, c.key, "(default)"), c.expected) << c.section << " " << c.key;
  EXPECT_EQ(doc.get_int("系统设置", "候选项数", -1), 7);
  EXPECT_EQ(doc.get_int("状态栏", "隐藏状态栏的按键", -1), 9);
}

TEST(ini_document, line_syntax) {
  const struct {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"entries before the first header are not in the next section", crlf({"k=1", "[a]"}), "a", "k", "-"},
      {"entries before the first header form the section \"\"", crlf({"k=1", "[a]"}), "", "k", "1"},
      {"so a later [] is a duplicate never read", crlf({"[]", "k=1"}), "", "k", "-"},
      {"a header without ] opens nothing", crlf({"[a]", "k=1", "[b", "k=2"}), "a", "k", "1"},
      {"a header without ] is no section of its own", crlf({"[b", "k=2"}), "b", "k", "-"},
      {"text after ] is ignored", crlf({"[a] x", "k=1"}), "a", "k", "1"},
      {"the name ends at the last ]", crlf({"[a]]", "k=1"}), "a]", "k", "1"},
      {"the name ends at the last ], blanks trimmed", crlf({"[a] x ]", "k=1"}), "a] x", "k", "1"},
      {"a line without = is no key", crlf({"[a]", "k", "k=1"}), "a", "k", "1"},
      {"the key ends at the first =", crlf({"[a]", "k = a=b"}), "a", "k", "a=b"},
      {"; inside a value is text", crlf({"[a]", "k=a ; b"}), "a", "k", "a ; b"},
      {"empty value", crlf({"[a]", "k="}), "a", "k", ""},
      {"blank value", crlf({"[a]", "k=   "}), "a", "k", ""},
      {"empty quotes", crlf({"[a]", "k=\"\""}), "a", "k", ""},
      {"single quotes", crlf({"[a]", "k='x'"}), "a", "k", "x"},
      {"quotes that do not pair stay", crlf({"[a]", "k=\"x'"}), "a", "k", "\"x'"},
      {"a lone quote stays", crlf({"[a]", "k=\""}), "a", "k", "\""},
      {"quotes inside stay", crlf({"[a]", "k=a\"b\""}), "a", "k", "a\"b\""},
      {"LF-only file", lf({"[a]", "k=1"}), "a", "k", "1"},
      {"last line without line end", "[a]\r\nk=1", "a", "k", "1"},
      {"stray CR before the line end", "[a]\r\nk=1\r\r\n", "a", "k", "1"},
      {"CR-only file", "[a]\rk=1\rj=2\r", "a", "j", "2"},
      {"a lone CR ends a line", "[a]\r\nk=1\rj=2\r\n", "a", "k", "1"},
      // Case folds for ASCII letters that stand alone ...
      {"ASCII section case", crlf({"[Abc]", "k=1"}), "aBC", "k", "1"},
      {"a lone byte >= 0x80 does not pair with a letter", crlf({"[a]", "\x80Z=1"}), "a", "\x80z", "1"},
      // ... but never for the trail byte of a GBK character: 0x81 0x5A and
      // 0x81 0x7A are two different characters.
      {"GBK trail byte is not a capital", crlf({"[a]", "\x81\x5A=1"}), "a", "\x81\x7A", "-"},
      {"GBK character matches itself", crlf({"[a]", "\x81\x5A=1"}), "a", "\x81\x5A", "1"},
      // A GBK trail byte 0x5D is not the ']' that ends a section name.
      {"GBK trail byte is not ]", crlf({"[x\x81\x5Dy]", "k=1"}), "x\x81\x5Dy", "k", "1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ini_document::from_bytes(c.file).get_string(c.section, c.key, "-"), c.expected) << c.name;
}

TEST(ini_document, text_reads_are_cut_to_259_bytes) {
  const std::string long_value(300, 'x');
  const ini_document doc = ini_document::from_bytes(crlf({"[a]", "k=" + long_value, "q=\"" + long_value + "\""}));
  EXPECT_EQ(doc.get_string("a", "k", ""), std::string(259, 'x'));
  EXPECT_EQ(doc.get_string("a", "q", ""), std::string(259, 'x'));
  EXPECT_EQ(doc.get_string("a", "absent", long_value), std::string(259, 'x'));
}

TEST(ini_document, integer_reads) {
  const struct {
    const char* value;  // nullptr: no such key
    int32_t expected;
  } cases[] = {
      {nullptr, -7},    // absent: the default
      {"", -7},         // present but empty: also the default
      {"   ", -7},
      {"\"\"", -7},
      {"\" \"", 0},     // not empty: a blank without digits
      {"05", 5},
      {"13", 13},
      {"  7  ", 7},
      {"\"9\"", 9},
      {"5abc", 5},
      {"1 2", 1},
      {"abc", 0},       // no number: 0, not the default
      {"012", 12},
      {"0x10", 16},     // lower-case prefixes choose the base ...
      {"-0x1f", -31},
      {"0o17", 15},
      {"0b101", 5},
      {"0X10", 0},      // ... upper-case ones do not
      {"0x", 0},
      {"0xg", 0},
      {"-3", -3},
      {"+5", 5},
      {"- 3", 0},
      {"--3", 0},
      {"-", 0},
      {"2147483647", INT32_MAX},
      {"2147483648", INT32_MIN},  // accumulated in 32 bits, wrapping
      {"4294967297", 1},
      {"-2147483648", INT32_MIN},
      {"-4294967295", 1},
      {"00000000000000000000000000005", 5},   // 29 bytes: all read
      {"000000000000000000000000000005", 0},  // 30 bytes: only the first 29 count
  };
  for (const auto& c : cases) {
    const std::string file = c.value ? crlf({"[a]", std::string("k=") + c.value}) : crlf({"[a]"});
    EXPECT_EQ(ini_document::from_bytes(file).get_int("a", "k", -7), c.expected) << (c.value ? c.value : "(absent)");
  }
  EXPECT_EQ(ini_document::from_bytes("").get_int("a", "k", 13), 13);  // no file at all
}

TEST(ini_document, untouched_document_keeps_every_byte) {
  const std::string fixtures[] = {
      EDITED,
      "",
      lf({"[a]", "k=1", "", "; c"}),
      "[a]\r\nk=1",                     // no line end at the end
      "\r\n\r\n",
      std::string("[a]\0\r\nk=\xFF\x81\r\n\x81", 14),  // a zero byte and a cut GBK pair
      "no section at all\nx=y",
      "[a]\rk=1\r\r\n\n",
  };
  for (const std::string& bytes : fixtures) {
    ini_document doc = ini_document::from_bytes(bytes);
    for (const sy::key_info& key : sy::all_keys()) {
      doc.get_string(sy::section_name(key.sect), key.name, key.default_text);
      doc.get_int(sy::section_name(key.sect), key.name, key.default_int);
    }
    EXPECT_EQ(doc.bytes(), bytes);
    EXPECT_FALSE(doc.modified());
  }
}

TEST(ini_document, writes_change_only_their_lines) {
  const struct {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  } cases[] = {
      {"existing key keeps its place, loses its spacing", EDITED, "状态栏", "隐藏状态栏的按键", "13",
       [] {
         std::string s = EDITED;
         return s.replace(s.find("  隐藏状态栏的按键=09"), std::string("  隐藏状态栏的按键=09").size(),
                          "隐藏状态栏的按键=13");
       }()},
      {"existing key keeps the file's spelling", crlf({"[a]", "Enter=1", "x=2"}), "a", "ENTER", "0",
       crlf({"[a]", "Enter=0", "x=2"})},
      {"first of duplicate keys is set", crlf({"[a]", "k=1", "k=2"}), "a", "k", "3", crlf({"[a]", "k=3", "k=2"})},
      {"key without line end keeps having none", "[a]\r\nk=1", "a", "k", "2", "[a]\r\nk=2"},
      {"LF line end kept", lf({"[a]", "k = 1", "x=2"}), "a", "k", "2", lf({"[a]", "k=2", "x=2"})},
      {"new key after the last entry, before blank lines and comments", EDITED, "状态栏", "隐藏状态栏", "1",
       [] {
         std::string s = EDITED;
         const std::string anchor = "unknown key = keep me\r\n";
         return s.insert(s.find(anchor) + anchor.size(), "隐藏状态栏=1\r\n");
       }()},
      {"new key in the last section", crlf({"[a]", "k=1", "", "; end"}), "a", "n", "2",
       crlf({"[a]", "k=1", "n=2", "", "; end"})},
      {"new key after a line without line end", "[a]\nk=1", "a", "n", "2", "[a]\nk=1\nn=2\n"},
      {"new key in an empty section", crlf({"[a]", "", "[b]"}), "a", "n", "2", crlf({"[a]", "n=2", "", "[b]"})},
      {"new key after a line that is no entry", crlf({"[a]", "junk", "", "[b]"}), "a", "n", "2",
       crlf({"[a]", "junk", "n=2", "", "[b]"})},
      {"new key goes to the first of duplicate sections", crlf({"[a]", "k=1", "[a]", "n=5"}), "a", "n", "2",
       crlf({"[a]", "k=1", "n=2", "[a]", "n=5"})},
      {"new section at the end", crlf({"[a]", "k=1"}), "b", "n", "2", crlf({"[a]", "k=1", "[b]", "n=2"})},
      {"new section after a last line without line end", "[a]\nk=1", "b", "n", "2", "[a]\nk=1\n[b]\nn=2\n"},
      {"new section after entries of no section", "x=1", "b", "n", "2", "x=1\r\n[b]\r\nn=2\r\n"},
      {"new key in the section before the first header", crlf({"k=1", "", "[b]"}), "", "n", "2",
       crlf({"k=1", "n=2", "", "[b]"})},
      {"new key in the empty section before the first header", crlf({"[b]"}), "", "n", "2", crlf({"n=2", "[b]"})},
      {"CR-only file keeps its line ends", "[a]\rk=1\r", "a", "n", "2", "[a]\rk=1\rn=2\r"},
      {"CR-only file, new section", "[a]\rk=1", "b", "n", "2", "[a]\rk=1\r[b]\rn=2\r"},
      {"existing key before a lone CR", "[a]\r\nk=1\rj=2\r\n", "a", "k", "5", "[a]\r\nk=5\rj=2\r\n"},
      {"missing or empty file", "", "状态栏", "皮肤名称", "w_fox.ini", crlf({"[状态栏]", "皮肤名称=w_fox.ini"})},
      {"a value is one line: cut at a line break", crlf({"[a]", "k=1", "x=2"}), "a", "k", "5\r\ny=6",
       crlf({"[a]", "k=5", "x=2"})},
  };
  for (const auto& c : cases) {
    ini_document doc = ini_document::from_bytes(c.before);
    doc.write_string(c.section, c.key, c.value);
    EXPECT_EQ(doc.bytes(), c.after) << c.name;
    EXPECT_TRUE(doc.modified()) << c.name;
  }
}

TEST(ini_document, writing_the_stored_text_changes_nothing) {
  const std::string bytes = crlf({"[a]", "k=1"});
  ini_document doc = ini_document::from_bytes(bytes);
  doc.write_string("a", "k", "1");
  EXPECT_EQ(doc.bytes(), bytes);
  EXPECT_FALSE(doc.modified());
}

TEST(ini_document, every_written_text_reads_back) {
  // A value written by write_string reads back as written unless it has
  // blanks at either end, is wrapped in a pair of quotes, holds a line break
  // or is longer than 259 bytes; the settings program writes no such value.
  const std::string values[] = {
      "", "0", "-1", "w_fox.ini", "255,00,128", "朔云中文", "a=b", "a ; b", "[x]", "\"", "'a", "x\"", "a\"b\"",
      "\xFF\x80", "\x81\x5D\x81\x5A", std::string(259, 'v'),
  };
  for (const std::string& before : {std::string(), EDITED, lf({"[系统设置]", "x=1"})}) {
    for (const std::string& value : values) {
      ini_document doc = ini_document::from_bytes(before);
      doc.write_string("系统设置", "候选项数", value);
      EXPECT_EQ(doc.get_string("系统设置", "候选项数", "-"), value) << value;
      doc.write_string("系统设置", "候选项数", "again");
      EXPECT_EQ(doc.get_string("系统设置", "候选项数", "-"), "again") << value;
    }
  }
}

TEST(ini_document, the_last_of_two_writes_stands) {
  ini_document doc = ini_document::from_bytes("");
  doc.write_string("系统设置", "全码时才显示词组", "0");
  doc.write_string("系统设置", "全码时才显示词组", "1");
  EXPECT_EQ(doc.bytes(), crlf({"[系统设置]", "全码时才显示词组=1"}));
}

TEST(ini_document, all_keys_into_an_empty_file_in_file_order) {
  ini_document doc = ini_document::from_bytes("");
  std::string expected;
  const char* open_section = nullptr;
  for (const sy::key_info& key : sy::all_keys()) {
    const char* section = sy::section_name(key.sect);
    doc.write_string(section, key.name, key.name);  // each key's own name as its value
    if (open_section != section) expected += std::string("[") + section + "]\r\n";
    open_section = section;
    expected += std::string(key.name) + "=" + key.name + "\r\n";
  }
  EXPECT_EQ(doc.bytes(), expected);
  EXPECT_EQ(doc.bytes().find("[状态栏]"), 0u);
  EXPECT_LT(doc.bytes().find("[系统设置]"), doc.bytes().find("[高级设置]"));
  for (const sy::key_info& key : sy::all_keys())
    EXPECT_EQ(doc.get_string(sy::section_name(key.sect), key.name, "-"), key.name);

  // A second save over the file it made changes nothing but the values.
  ini_document again = ini_document::from_bytes(doc.bytes());
  for (const sy::key_info& key : sy::all_keys()) again.write_string(sy::section_name(key.sect), key.name, key.name);
  EXPECT_EQ(again.bytes(), expected);
}

}  // namespace
