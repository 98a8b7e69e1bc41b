#include "common/schema.h"

#include <cstddef>

namespace sy {

namespace {

using k = key_kind;
using s = section;
using e = setting;

// The only place where a key name is spelled.
constexpr std::array<key_info, SETTING_COUNT> KEYS = {{
    {e::skin_name, s::status_bar, "皮肤名称", k::skin_name, "w_fox.ini", 0},
    {e::hide_status_key, s::status_bar, "隐藏状态栏的按键", k::key_code, "", 13},
    {e::status_autoplace, s::status_bar, "状态栏自动定位", k::switch_flag, "", 1},
    {e::hide_status_bar, s::status_bar, "隐藏状态栏", k::switch_flag, "", 1},

    {e::phrases_at_full_code, s::system, "全码时才显示词组", k::switch_flag, "", 0},
    {e::search_total, s::system, "外码提示个数", k::count_text, "5", 0},
    {e::candidate_count, s::system, "候选项数", k::count_text, "3", 0},
    {e::candidate_font_size, s::system, "汉字候选窗字号", k::count_text, "12", 0},
    {e::speaker_tone, s::system, "扬声器报警音调", k::count_text, "603", 0},
    {e::ctrl_switch, s::system, "ctrl键切换功能", k::choice, "", 2},
    {e::shift_switch, s::system, "RShift切换中英文", k::choice, "", 1},
    {e::candidate_style, s::system, "汉字候选框式样", k::choice, "", 1},
    {e::follow_cursor, s::system, "候选窗光标跟随", k::switch_flag, "", 0},
    {e::comma_period_role, s::system, "逗、句号功能", k::choice, "", 0},
    {e::code_hint, s::system, "启用外码提示功能", k::switch_flag, "", 1},
    {e::charset, s::system, "检索的字符集", k::choice, "", 0},
    {e::forced_speaker_alarm, s::system, "强制扬声器报警", k::switch_flag, "", 0},
    {e::quick_command, s::system, "启用快捷命令功能", k::switch_flag, "", 0},
    {e::pinyin_phrase_search, s::system, "拼音时检索词组", k::switch_flag, "", 0},
    {e::slash_output, s::system, "启用/输出顿号功能", k::switch_flag, "", 1},
    {e::alarm, s::system, "启用出错报警功能", k::switch_flag, "", 1},
    {e::quick_english, s::system, "启用快捷英文功能", k::switch_flag, "", 1},
    {e::joint_search, s::system, "五笔拼音同时检索", k::switch_flag, "", 1},
    {e::delete_key_ctrl, s::system, "在线删词快捷键包含Ctrl", k::switch_flag, "", 1},
    {e::semicolon_select, s::system, "启用分号选词功能", k::switch_flag, "", 1},
    {e::lshift_select, s::system, "LShift选择第二重码", k::lshift_switch, "", 0},
    {e::background_colour, s::system, "候选窗背景色", k::colour_value, "255,255,234", 0},
    {e::border_colour, s::system, "候选窗边框色", k::colour_value, "205,219,239", 0},
    {e::text_colour, s::system, "候选汉字颜色", k::colour_value, "0,0,0", 0},
    {e::hint_code_colour, s::system, "候选字提示码颜色", k::colour_value, "47,3,222", 0},
    {e::auto_phrase_colour, s::system, "自动词组前景色", k::colour_value, "255,0,128", 0},
    // Always written with the background colour and never read back here.
    {e::auto_phrase_background_colour, s::system, "自动词组背景色", k::colour_value, "", 0},

    {e::auto_phrase_max_length, s::advanced, "自动词组最大词长", k::count_text, "5", 0},
    {e::enter_role, s::advanced, "Enter功能", k::choice, "", 1},
    {e::quick_input, s::advanced, "启用快捷输入功能", k::switch_flag, "", 1},
    {e::auto_frequency, s::advanced, "自动调频", k::switch_flag, "", 0},
    {e::auto_phrase, s::advanced, "启用自动造词功能", k::switch_flag, "", 1},
    {e::temp_pinyin, s::advanced, "启用临时拼音", k::switch_flag, "", 0},
    {e::disable_z_repeat, s::advanced, "禁用Z键重复录入功能", k::switch_flag, "", 0},
    {e::phrase_in_auto_phrase, s::advanced, "自动造词时包括词组", k::switch_flag, "", 1},
    {e::delete_duplicate_char, s::advanced, "是否允许删除单字", k::switch_flag, "", 0},
    {e::operation_hint, s::advanced, "候选窗操作提示", k::switch_flag, "", 0},
    {e::capital_english, s::advanced, "首字母大写自动英文", k::switch_flag, "", 1},
    {e::background_image, s::advanced, "汉字候选使用背景图", k::switch_flag, "", 1},
    {e::network_mode, s::advanced, "启用网络浏览模式", k::switch_flag, "", 1},
    {e::auto_phrase_save, s::advanced, "自动词组即选即存", k::switch_flag, "", 1},
    {e::clear_empty_full_code, s::advanced, "全码为空时自动清空", k::switch_flag, "", 1},
    {e::existing_phrase_hint, s::advanced, "用户以单字录入词组时提示", k::switch_flag, "", 1},
    {e::disable_ctrl_combos, s::advanced, "禁用Ctrl功能组合键", k::switch_flag, "", 0},
    {e::width_toggle_key, s::advanced, "使用全半角切换快捷键", k::switch_flag, "", 1},
}};

// key_of indexes the table by the enumerator: the two orders must agree.
constexpr bool table_in_enum_order() {
  for (std::size_t i = 0; i < KEYS.size(); ++i)
    if (std::size_t(KEYS[i].id) != i) return false;
  return true;
}
static_assert(table_in_enum_order(), "KEYS must list the settings in the order of enum setting");

}  // namespace

const char* section_name(section sect) {
  switch (sect) {
    case section::status_bar: return "状态栏";
    case section::system: return "系统设置";
    case section::advanced: return "高级设置";
  }
  return "";
}

const key_info& key_of(setting which) { return KEYS[std::size_t(which)]; }

const std::array<key_info, SETTING_COUNT>& all_keys() { return KEYS; }

bool switch_is_on(int32_t value) { return value == 1; }

bool lshift_is_on(int32_t value) { return value < 2; }

int choice_index(int32_t value, int item_count) { return value >= 0 && value < item_count ? int(value) : -1; }

int comma_period_role(int32_t value) { return value == 0 || value == 1 ? int(value) : 2; }

bool charset_is_gbk(int32_t value) { return value != 0; }

const char* switch_text(bool on) { return on ? "1" : "0"; }

const char* lshift_text(bool on) { return on ? "1" : "2"; }

}  // namespace sy
