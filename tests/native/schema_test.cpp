#include "common/schema.h"

#include <gtest/gtest.h>

#include <climits>
#include <iterator>
#include <set>
#include <string>

namespace {

using sy::key_kind;
using sy::setting;

// The key table typed out a second time, on its own, so that a slip in a
// name, a default, a kind or the order of the program's table shows here.
// Integer defaults are given as the text a file would hold.
struct expected_key {
  const char* section;
  const char* name;
  key_kind kind;
  const char* default_value;
};

const expected_key EXPECTED_KEYS[] = {
    {"状态栏", "皮肤名称", key_kind::skin_name, "w_fox.ini"},
    {"状态栏", "隐藏状态栏的按键", key_kind::key_code, "13"},
    {"状态栏", "状态栏自动定位", key_kind::switch_flag, "1"},
    {"状态栏", "隐藏状态栏", key_kind::switch_flag, "1"},
    {"系统设置", "全码时才显示词组", key_kind::switch_flag, "0"},
    {"系统设置", "外码提示个数", key_kind::count_text, "5"},
    {"系统设置", "候选项数", key_kind::count_text, "3"},
    {"系统设置", "汉字候选窗字号", key_kind::count_text, "12"},
    {"系统设置", "扬声器报警音调", key_kind::count_text, "603"},
    {"系统设置", "ctrl键切换功能", key_kind::choice, "2"},
    {"系统设置", "RShift切换中英文", key_kind::choice, "1"},
    {"系统设置", "汉字候选框式样", key_kind::choice, "1"},
    {"系统设置", "候选窗光标跟随", key_kind::switch_flag, "0"},
    {"系统设置", "逗、句号功能", key_kind::choice, "0"},
    {"系统设置", "启用外码提示功能", key_kind::switch_flag, "1"},
    {"系统设置", "检索的字符集", key_kind::choice, "0"},
    {"系统设置", "强制扬声器报警", key_kind::switch_flag, "0"},
    {"系统设置", "启用快捷命令功能", key_kind::switch_flag, "0"},
    {"系统设置", "拼音时检索词组", key_kind::switch_flag, "0"},
    {"系统设置", "启用/输出顿号功能", key_kind::switch_flag, "1"},
    {"系统设置", "启用出错报警功能", key_kind::switch_flag, "1"},
    {"系统设置", "启用快捷英文功能", key_kind::switch_flag, "1"},
    {"系统设置", "五笔拼音同时检索", key_kind::switch_flag, "1"},
    {"系统设置", "在线删词快捷键包含Ctrl", key_kind::switch_flag, "1"},
    {"系统设置", "启用分号选词功能", key_kind::switch_flag, "1"},
    {"系统设置", "LShift选择第二重码", key_kind::lshift_switch, "0"},
    {"系统设置", "候选窗背景色", key_kind::colour_value, "255,255,234"},
    {"系统设置", "候选窗边框色", key_kind::colour_value, "205,219,239"},
    {"系统设置", "候选汉字颜色", key_kind::colour_value, "0,0,0"},
    {"系统设置", "候选字提示码颜色", key_kind::colour_value, "47,3,222"},
    {"系统设置", "自动词组前景色", key_kind::colour_value, "255,0,128"},
    {"系统设置", "自动词组背景色", key_kind::colour_value, ""},
    {"高级设置", "自动词组最大词长", key_kind::count_text, "5"},
    {"高级设置", "Enter功能", key_kind::choice, "1"},
    {"高级设置", "启用快捷输入功能", key_kind::switch_flag, "1"},
    {"高级设置", "自动调频", key_kind::switch_flag, "0"},
    {"高级设置", "启用自动造词功能", key_kind::switch_flag, "1"},
    {"高级设置", "启用临时拼音", key_kind::switch_flag, "0"},
    {"高级设置", "禁用Z键重复录入功能", key_kind::switch_flag, "0"},
    {"高级设置", "自动造词时包括词组", key_kind::switch_flag, "1"},
    {"高级设置", "是否允许删除单字", key_kind::switch_flag, "0"},
    {"高级设置", "候选窗操作提示", key_kind::switch_flag, "0"},
    {"高级设置", "首字母大写自动英文", key_kind::switch_flag, "1"},
    {"高级设置", "汉字候选使用背景图", key_kind::switch_flag, "1"},
    {"高级设置", "启用网络浏览模式", key_kind::switch_flag, "1"},
    {"高级设置", "自动词组即选即存", key_kind::switch_flag, "1"},
    {"高级设置", "全码为空时自动清空", key_kind::switch_flag, "1"},
    {"高级设置", "用户以单字录入词组时提示", key_kind::switch_flag, "1"},
    {"高级设置", "禁用Ctrl功能组合键", key_kind::switch_flag, "0"},
    {"高级设置", "使用全半角切换快捷键", key_kind::switch_flag, "1"},
};
static_assert(std::size(EXPECTED_KEYS) == sy::SETTING_COUNT, "50 keys");

bool read_as_integer(key_kind kind) {
  return kind == key_kind::switch_flag || kind == key_kind::choice || kind == key_kind::key_code ||
         kind == key_kind::lshift_switch;
}

TEST(schema, key_table_matches_the_file_format) {
  const auto& keys = sy::all_keys();
  for (size_t i = 0; i < keys.size(); ++i) {
    const sy::key_info& key = keys[i];
    const expected_key& expected = EXPECTED_KEYS[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(size_t(key.id), i);
    EXPECT_EQ(&sy::key_of(key.id), &key);
    EXPECT_STREQ(sy::section_name(key.sect), expected.section);
    EXPECT_STREQ(key.name, expected.name);
    EXPECT_EQ(key.kind, expected.kind);
    if (read_as_integer(key.kind)) {
      EXPECT_EQ(std::to_string(key.default_int), expected.default_value);
      EXPECT_STREQ(key.default_text, "");
    } else {
      EXPECT_STREQ(key.default_text, expected.default_value);
      EXPECT_EQ(key.default_int, 0);
    }
  }
}

TEST(schema, sections_in_file_order_and_names_unique) {
  EXPECT_STREQ(sy::section_name(sy::section::status_bar), "\xD7\xB4\xCC\xAC\xC0\xB8");  // 状态栏 in GBK
  std::set<std::string> names;
  sy::section previous = sy::section::status_bar;
  for (const sy::key_info& key : sy::all_keys()) {
    EXPECT_GE(key.sect, previous) << key.name << ": a file written from nothing keeps its sections together";
    previous = key.sect;
    EXPECT_TRUE(names.insert(key.name).second) << key.name;
  }
}

TEST(schema, a_few_enumerators_name_their_keys) {
  EXPECT_STREQ(sy::key_of(setting::hide_status_bar).name, "隐藏状态栏");
  EXPECT_STREQ(sy::key_of(setting::lshift_select).name, "LShift选择第二重码");
  EXPECT_STREQ(sy::key_of(setting::comma_period_role).name, "逗、句号功能");
  EXPECT_STREQ(sy::key_of(setting::auto_phrase_background_colour).name, "自动词组背景色");
  EXPECT_STREQ(sy::key_of(setting::width_toggle_key).name, "使用全半角切换快捷键");
}

TEST(schema, integer_read_rules) {
  const struct {
    int32_t value;
    bool switch_on;
    bool lshift_on;
    int role;
    bool gbk;
  } cases[] = {
      {INT32_MIN, false, true, 2, true},
      {-1, false, true, 2, true},
      {0, false, true, 0, false},
      {1, true, true, 1, true},
      {2, false, false, 2, true},
      {5, false, false, 2, true},
      {7, false, false, 2, true},
      {INT32_MAX, false, false, 2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(sy::switch_is_on(c.value), c.switch_on);
    EXPECT_EQ(sy::lshift_is_on(c.value), c.lshift_on);
    EXPECT_EQ(sy::comma_period_role(c.value), c.role);
    EXPECT_EQ(sy::charset_is_gbk(c.value), c.gbk);
  }
}

TEST(schema, choice_index_only_for_an_item) {
  const struct {
    int32_t value;
    int items;
    int expected;
  } cases[] = {
      {0, 3, 0}, {2, 3, 2}, {3, 3, -1}, {9, 3, -1}, {-1, 3, -1}, {INT32_MIN, 3, -1}, {1, 2, 1}, {2, 2, -1}, {0, 0, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(sy::choice_index(c.value, c.items), c.expected) << c.value << " of " << c.items;
}

TEST(schema, written_switch_forms) {
  EXPECT_STREQ(sy::switch_text(true), "1");
  EXPECT_STREQ(sy::switch_text(false), "0");
  EXPECT_STREQ(sy::lshift_text(true), "1");
  EXPECT_STREQ(sy::lshift_text(false), "2");
}

}  // namespace
