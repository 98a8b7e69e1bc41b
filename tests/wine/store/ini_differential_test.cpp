// Our INI engine against the platform's own private-profile reader on the
// same files: the input method reads shuoyun.ini with the platform reader, so
// whatever we read and write must mean the same to it. Every key of each
// file is asked for in every section, in several spellings, so that absent
// keys, case and blanks are compared as well.
//
// The files hold only valid GBK text: the platform reader converts through
// Unicode, which would change invalid bytes that our engine keeps.
#include "common/ini_document.h"
#include "common/win/ini_file.h"

#include "tests/wine/support/files.h"
#include "tests/wine/support/windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace {

using sy_test::temp_directory;
using sy_test::write_file;

std::string crlf(std::initializer_list<const char*> lines, const char* line_end = "\r\n") {
  std::string text;
  for (const char* line : lines) text += std::string(line) + line_end;
  return text;
}

// Sections and keys in every form a hand-edited file has them.
const std::string CANONICAL = crlf({
    "top=before any section",
    "; comment=1",
    "[状态栏]",
    "皮肤名称=w_fox.ini",
    "隐藏状态栏的按键=09",
    "  状态栏自动定位  =  1  ",
    "隐藏状态栏=",
    "tab\t=\t7\t",
    "[系统设置]",
    "外码提示个数=\"5\"",
    "候选项数='3'",
    "汉字候选窗字号=\" 12 \"",
    "半引号=\"abc",
    "错配引号=\"abc'",
    "扬声器报警音调=603 ; not a comment",
    "ctrl键切换功能=-3",
    "RShift切换中英文=abc",
    "汉字候选框式样=+7",
    "正号空格=+ 7",
    "候选窗背景色=255,255,234",
    "Mixed=first",
    "MIXED=second",
    "dup=1",
    "dup=2",
    "=no key",
    "no equals sign",
    "  ;indented=1",
    "#hash=1",
    "x==y",
    "负零=-0",
    "溢出=4294967297",
    "大数=2147483648",
    "负大数=-2147483649",
    "十六=0x10",
    "八=0o17",
    "二=0b101",
    "前导空格数= 42",
    "前零=007",
    "[Mixed]",
    "Key=v",
    "[ 空格节 ]",
    "a=1",
    "[系统设置]",
    "later=3",
    "dup=3",
    "[高级设置",
    "broken=1",
    "[高级设置]",
    "启用自动造词功能=1",
    "[mixed]",
    "Key=w",
    "other=9",
    "[]",
    "empty_section_key=5",
});

const std::vector<std::string> SECTIONS = {"", "状态栏", "系统设置", "高级设置", "Mixed", "mixed", "MIXED", " 空格节 ",
                                           "空格节", "[高级设置", "absent"};

// The key of every line with "=", and the same in other spellings.
std::vector<std::string> keys_of(const std::string& text) {
  std::set<std::string> keys = {"absent", "", "no equals sign", "; comment", ";indented", "#hash"};
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t equals = line.find('=');
    if (equals != std::string::npos && line[0] != '[') {
      const std::string key = line.substr(0, equals);
      const size_t first = key.find_first_not_of(" \t"), last = key.find_last_not_of(" \t");
      const std::string trimmed = first == std::string::npos ? "" : key.substr(first, last - first + 1);
      std::string upper = trimmed, lower = trimmed;
      for (char& c : upper) c = c >= 'a' && c <= 'z' ? c - 32 : c;
      for (char& c : lower) c = c >= 'A' && c <= 'Z' ? c + 32 : c;
      keys.insert({key, trimmed, upper, lower, " " + trimmed});
    }
    start = end + 1;
  }
  return {keys.begin(), keys.end()};
}

// One read on which the two readers disagree.
struct difference {
  std::string section, key, read, ours, platform;
};

bool has_outer_blank(const std::string& name) {
  return !name.empty() && (std::strchr(" \t", name.front()) || std::strchr(" \t", name.back()));
}

// Differences that we keep on purpose. The program asks only for the fixed
// names of its key table, which have no blanks and no ';'.
// - The platform reader trims blanks from the section and key names it is
//   asked for (" 空格节 " finds "[空格节]"); our engine compares the names
//   it is given as they are.
// - The platform reader has no comments: "; comment=1" is the key
//   "; comment". Our engine skips such lines, so a commented-out setting can
//   never be mistaken for an entry when a key is written.
// - A value cut to 259 bytes in the middle of a double-byte character: Wine
//   converts through Unicode and drops the lone lead byte; our engine keeps
//   exactly the 259 bytes that fit the 260-byte buffer with its zero.
bool cut_inside_a_character(const difference& d) {
  return d.read == "text" && d.ours.size() == sy::INI_TEXT_LIMIT && static_cast<unsigned char>(d.ours.back()) >= 0x81 &&
         d.platform == d.ours.substr(0, d.ours.size() - 1) && sy_test::running_under_wine();
}

bool known_difference(const difference& d) {
  return has_outer_blank(d.section) || has_outer_blank(d.key) || (!d.key.empty() && d.key[0] == ';') ||
         cut_inside_a_character(d);
}

// One a line, for the failure message.
std::string listed(const std::vector<difference>& differences) {
  std::string text;
  for (const difference& d : differences)
    text += d.read + " [" + d.section + "] \"" + d.key + "\": ours \"" + d.ours + "\", platform \"" + d.platform + "\"\n";
  return text;
}

constexpr char DEFAULT_TEXT[] = "<default>";
constexpr int DEFAULT_INT = -77;

// Every text and integer read of the file by both readers; the disagreements
// that are not known.
std::vector<difference> compare_reads(const std::string& path, const sy::ini_document& ours) {
  std::vector<difference> differences;
  for (const std::string& section : SECTIONS) {
    for (const std::string& key : keys_of(ours.bytes())) {
      char buffer[260] = {};
      GetPrivateProfileStringA(section.c_str(), key.c_str(), DEFAULT_TEXT, buffer, sizeof buffer, path.c_str());
      const std::string our_text = ours.get_string(section, key, DEFAULT_TEXT);
      if (our_text != buffer) differences.push_back({section, key, "text", our_text, buffer});

      const int platform_int = static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), DEFAULT_INT, path.c_str()));
      const int our_int = ours.get_int(section, key, DEFAULT_INT);
      if (our_int != platform_int)
        differences.push_back({section, key, "integer", std::to_string(our_int), std::to_string(platform_int)});
    }
  }
  differences.erase(std::remove_if(differences.begin(), differences.end(), known_difference), differences.end());
  return differences;
}

std::vector<difference> compare_reads(const temp_directory& dir, const std::string& name, const std::string& text) {
  const std::string path = dir / name;
  EXPECT_TRUE(write_file(path, text));
  return compare_reads(path, sy::load_ini_file(path).document);
}

struct canonical_file {
  const char* name;
  std::string text;
};
void PrintTo(const canonical_file& file, std::ostream* out) { *out << file.name; }

class ini_differential_test : public ::testing::TestWithParam<canonical_file> {};

TEST_P(ini_differential_test, reads_agree_with_the_platform_reader) {
  temp_directory dir;
  const std::vector<difference> differences = compare_reads(dir, "canonical.ini", GetParam().text);
  EXPECT_TRUE(differences.empty()) << listed(differences);
}

INSTANTIATE_TEST_SUITE_P(
    files, ini_differential_test,
    ::testing::Values(
        canonical_file{"crlf", CANONICAL},
        canonical_file{"lf", [] {
                         std::string text = CANONICAL;
                         for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
                         return text;
                       }()},
        canonical_file{"no_final_line_end", CANONICAL.substr(0, CANONICAL.size() - 2)},
        canonical_file{"long_value_cut_to_259", crlf({"[系统设置]", ("长=" + std::string(300, 'x')).c_str(),
                                                       ("长中文=" + std::string(258, 'y') + "朔云").c_str()})},
        canonical_file{"settings_written_from_nothing",
                       crlf({"[状态栏]", "皮肤名称=w_fox.ini", "隐藏状态栏的按键=13", "[系统设置]", "候选汉字颜色=00,00,00",
                             "LShift选择第二重码=2", "[高级设置]", "Enter功能=1"})}),
    [](const ::testing::TestParamInfo<canonical_file>& info) { return std::string(info.param.name); });

// Our writes, saved, read back by the platform reader as written; and the
// rest of the file still means the same to both readers.
TEST(ini_differential, platform_reads_back_what_we_write) {
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } writes[] = {
      {"状态栏", "皮肤名称", "b_fox.ini"},            // existing key
      {"状态栏", "隐藏状态栏", "0"},                  // existing empty value
      {"系统设置", "外码提示个数", "7"},              // quoted value replaced
      {"系统设置", "mixed", "third"},                 // key in another case
      {"系统设置", "dup", "9"},                       // duplicated key
      {"系统设置", "候选窗边框色", "205,219,239"},    // new key, section met twice
      {"高级设置", "自动调频", "1"},                  // new key after a broken header
      {"MIXED", "Key", "x"},                          // section in another case
      {"新节", "新键", "朔云"},                       // new section
      {"新节", "空值", ""},                           // empty value
  };
  temp_directory dir;
  const std::string path = dir / "written.ini";
  sy::ini_document document = sy::ini_document::from_bytes(CANONICAL);
  for (const auto& w : writes) document.write_string(w.section, w.key, w.value);
  ASSERT_EQ(sy::save_ini_file(path, document), 0u);

  for (const auto& w : writes) {
    char buffer[260] = {};
    GetPrivateProfileStringA(w.section, w.key, DEFAULT_TEXT, buffer, sizeof buffer, path.c_str());
    EXPECT_EQ(std::string(buffer), w.value) << "[" << w.section << "] " << w.key;
  }
  const std::vector<difference> differences = compare_reads(path, document);
  EXPECT_TRUE(differences.empty()) << listed(differences);
}

}  // namespace
