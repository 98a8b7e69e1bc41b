#pragma once
// The 50 keys of shuoyun.ini, described once as data. Every key name of the
// program comes from this table; the loader and the saver walk it.

#include <array>
#include <cstdint>

namespace sy {

inline constexpr char SETTINGS_FILE_NAME[] = "shuoyun.ini";

enum class section : uint8_t { status_bar, system, advanced };

// "状态栏", "系统设置", "高级设置".
const char* section_name(section sect);

// How a key's text is read and written.
enum class key_kind : uint8_t {
  switch_flag,    // integer read, on only for 1; written "1" / "0"
  choice,         // integer read, the index of an item; written as the index
  count_text,     // text read and written unchanged (meant as a number)
  colour_value,   // text read by parse_colour_value, written by format_colour_value
  key_code,       // integer read; written by format_padded_decimal
  skin_name,      // text read (at most 259 bytes) and written unchanged
  lshift_switch,  // integer read, on for every value below 2; written "1" / "2"
};

// In the order in which keys are first written, which is the order of the
// keys in a file created from nothing.
enum class setting : uint8_t {
  // 状态栏
  skin_name,
  hide_status_key,
  status_autoplace,
  hide_status_bar,
  // 系统设置
  phrases_at_full_code,
  search_total,
  candidate_count,
  candidate_font_size,
  speaker_tone,
  ctrl_switch,
  shift_switch,
  candidate_style,
  follow_cursor,
  comma_period_role,
  code_hint,
  charset,
  forced_speaker_alarm,
  quick_command,
  pinyin_phrase_search,
  slash_output,
  alarm,
  quick_english,
  joint_search,
  delete_key_ctrl,
  semicolon_select,
  lshift_select,
  background_colour,
  border_colour,
  text_colour,
  hint_code_colour,
  auto_phrase_colour,
  auto_phrase_background_colour,
  // 高级设置
  auto_phrase_max_length,
  enter_role,
  quick_input,
  auto_frequency,
  auto_phrase,
  temp_pinyin,
  disable_z_repeat,
  phrase_in_auto_phrase,
  delete_duplicate_char,
  operation_hint,
  capital_english,
  background_image,
  network_mode,
  auto_phrase_save,
  clear_empty_full_code,
  existing_phrase_hint,
  disable_ctrl_combos,
  width_toggle_key,
  count
};

inline constexpr int SETTING_COUNT = int(setting::count);

// One key of the file. Kinds read as integers (switch_flag, choice, key_code,
// lshift_switch) have their default in default_int and an empty
// default_text; kinds read as text have their default in default_text and a
// default_int of 0. "自动词组背景色" is never read and has neither.
struct key_info {
  setting id;
  section sect;
  const char* name;
  key_kind kind;
  const char* default_text;
  int32_t default_int;
};

const key_info& key_of(setting id);
const std::array<key_info, SETTING_COUNT>& all_keys();

// Read rules of the integer kinds.
bool switch_is_on(int32_t value);                  // exactly 1
bool lshift_is_on(int32_t value);                  // every value below 2, negatives included
int choice_index(int32_t value, int item_count);   // the item index, or -1 for no valid item
int comma_period_role(int32_t value);              // 0 none, 1 page keys, every other value 2
bool charset_is_gbk(int32_t value);                // everything but 0

// Written forms of the two switch kinds.
const char* switch_text(bool on);  // "1" / "0"
const char* lshift_text(bool on);  // "1" / "2"

}  // namespace sy
