#include "settings/setting_bindings.h"

#include "common/conversions.h"

#include <windows.h>

namespace sy {

namespace {

using form = settings_form;
using e = setting;

constexpr setting_binding skin_list(setting key, drop_down form::*list) {
  return {key, binding_kind::skin_list, nullptr, nullptr, nullptr, list, nullptr, nullptr};
}
constexpr setting_binding check(setting key, check_box form::*box) {
  return {key, binding_kind::check, box, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr setting_binding count(setting key, number_edit form::*edit) {
  return {key, binding_kind::count_edit, nullptr, nullptr, edit, nullptr, nullptr, nullptr};
}
constexpr setting_binding hotkey(setting key) {
  return {key, binding_kind::hotkey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr setting_binding choice(setting key, drop_down form::*list) {
  return {key, binding_kind::choice_list, nullptr, nullptr, nullptr, list, nullptr, nullptr};
}
constexpr setting_binding pair(setting key, check_box form::*first, check_box form::*second) {
  return {key, binding_kind::comma_period_pair, first, second, nullptr, nullptr, nullptr, nullptr};
}
constexpr setting_binding radio_pair(setting key) {
  return {key, binding_kind::charset_pair, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr setting_binding background(setting key, panel form::*swatch) {
  return {key, binding_kind::panel_background, nullptr, nullptr, nullptr, nullptr, swatch, nullptr};
}
constexpr setting_binding text_colour(setting key, label form::*swatch) {
  return {key, binding_kind::label_text_colour, nullptr, nullptr, nullptr, nullptr, nullptr, swatch};
}

constexpr std::array<setting_binding, SETTING_COUNT> BINDINGS = {{
    skin_list(e::skin_name, &form::skin_combo),
    check(e::phrases_at_full_code, &form::phrases_at_full_code_check),
    count(e::search_total, &form::search_total_edit),
    count(e::candidate_count, &form::candidate_count_edit),
    count(e::candidate_font_size, &form::font_size_edit),
    count(e::speaker_tone, &form::speaker_tone_edit),
    count(e::auto_phrase_max_length, &form::auto_phrase_max_length_edit),
    hotkey(e::hide_status_key),
    choice(e::ctrl_switch, &form::ctrl_switch_combo),
    choice(e::shift_switch, &form::shift_switch_combo),
    choice(e::candidate_style, &form::style_combo),
    check(e::follow_cursor, &form::follow_cursor_check),
    choice(e::enter_role, &form::enter_key_combo),
    pair(e::comma_period_role, &form::comma_period_paging_check, &form::comma_period_check),
    check(e::code_hint, &form::code_hint_check),
    radio_pair(e::charset),
    check(e::status_autoplace, &form::status_autoplace_check),
    check(e::quick_input, &form::quick_input_check),
    check(e::auto_frequency, &form::auto_frequency_check),
    check(e::auto_phrase, &form::auto_phrase_check),
    check(e::forced_speaker_alarm, &form::speaker_alarm_check),
    check(e::quick_command, &form::quick_command_check),
    check(e::pinyin_phrase_search, &form::pinyin_phrase_search_check),
    check(e::temp_pinyin, &form::temp_pinyin_check),
    check(e::disable_z_repeat, &form::disable_z_repeat_check),
    check(e::phrase_in_auto_phrase, &form::phrase_in_auto_phrase_check),
    check(e::delete_duplicate_char, &form::delete_duplicate_char_check),
    check(e::slash_output, &form::slash_output_check),
    check(e::alarm, &form::alarm_check),
    check(e::quick_english, &form::quick_english_check),
    check(e::operation_hint, &form::operation_hint_check),
    check(e::capital_english, &form::capital_english_check),
    check(e::background_image, &form::background_image_check),
    check(e::network_mode, &form::network_mode_check),
    check(e::auto_phrase_save, &form::auto_phrase_save_check),
    check(e::hide_status_bar, &form::hide_status_at_start_check),
    check(e::clear_empty_full_code, &form::clear_empty_full_code_check),
    check(e::existing_phrase_hint, &form::existing_phrase_hint_check),
    check(e::disable_ctrl_combos, &form::disable_ctrl_combos_check),
    check(e::joint_search, &form::code_pinyin_search_check),
    check(e::delete_key_ctrl, &form::delete_key_ctrl_check),
    check(e::semicolon_select, &form::semicolon_quote_check),
    check(e::width_toggle_key, &form::width_toggle_key_check),
    check(e::lshift_select, &form::shift_keys_check),
    background(e::background_colour, &form::preview_inner_panel),
    background(e::border_colour, &form::preview_frame_panel),
    text_colour(e::text_colour, &form::text_colour_label),
    text_colour(e::hint_code_colour, &form::hint_code_colour_label),
    text_colour(e::auto_phrase_colour, &form::auto_phrase_colour_label),
    // The input method draws automatic phrases on the candidate window's own
    // background, so this key always repeats that colour and is never read.
    background(e::auto_phrase_background_colour, &form::preview_inner_panel),
}};

// The texts first, then the hotkey, then the switches and choices.
constexpr std::array<setting, LOADED_BEFORE_SKINS> LOAD_ORDER = {{
    e::search_total,          e::background_colour,     e::border_colour,
    e::text_colour,           e::hint_code_colour,      e::auto_phrase_colour,
    e::candidate_font_size,   e::candidate_count,       e::speaker_tone,
    e::auto_phrase_max_length, e::hide_status_key,      e::code_hint,
    e::candidate_style,       e::enter_role,            e::shift_switch,
    e::ctrl_switch,           e::charset,               e::status_autoplace,
    e::temp_pinyin,           e::follow_cursor,         e::quick_input,
    e::auto_frequency,        e::auto_phrase,           e::forced_speaker_alarm,
    e::disable_z_repeat,      e::pinyin_phrase_search,  e::quick_command,
    e::operation_hint,        e::phrase_in_auto_phrase, e::delete_duplicate_char,
    e::phrases_at_full_code,  e::slash_output,          e::alarm,
    e::quick_english,         e::capital_english,       e::background_image,
    e::network_mode,          e::hide_status_bar,       e::auto_phrase_save,
    e::clear_empty_full_code, e::existing_phrase_hint,  e::disable_ctrl_combos,
    e::joint_search,          e::width_toggle_key,      e::semicolon_select,
    e::delete_key_ctrl,       e::lshift_select,         e::comma_period_role,
}};

// A key missing from a table, or listed twice, would silently never be
// loaded or saved; the tables are checked while compiling.
template <size_t N>
constexpr bool each_once(const std::array<setting, N>& keys, setting left_out_1 = setting::count,
                         setting left_out_2 = setting::count) {
  for (int key = 0; key < SETTING_COUNT; ++key) {
    int seen = 0;
    for (setting listed : keys) seen += int(listed) == key;
    const bool left_out = key == int(left_out_1) || key == int(left_out_2);
    if (seen != (left_out ? 0 : 1)) return false;
  }
  return true;
}

constexpr std::array<setting, SETTING_COUNT> keys_of(const std::array<setting_binding, SETTING_COUNT>& bindings) {
  std::array<setting, SETTING_COUNT> keys{};
  for (size_t i = 0; i < keys.size(); ++i) keys[i] = bindings[i].key;
  return keys;
}

static_assert(each_once(keys_of(BINDINGS)), "every key is saved once");
static_assert(each_once(LOAD_ORDER, e::skin_name, e::auto_phrase_background_colour),
              "every key but the skin and the phrase background is loaded once before the skins");

// File names of the skin directory compare as the file system compares them:
// regardless of letter case, in any script, but otherwise exactly.
bool same_file_name(const std::string& a, const std::string& b) {
  const auto wide = [](const std::string& text) {
    std::wstring result(text.size(), L'\0');
    result.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), result.data(), int(result.size())));
    return result;
  };
  const std::wstring wide_a = wide(a), wide_b = wide(b);
  return CompareStringOrdinal(wide_a.data(), int(wide_a.size()), wide_b.data(), int(wide_b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The skins are the ".ini" files of the skin directory, offered in the order
// the directory lists them; the stored name then selects one, or none.
void fill_skin_list(const settings_form& f, const drop_down& list, const std::string& stored_name) {
  list.clear();
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA((f.install_directory + "\\skin\\*.ini").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do list.add_item(entry.cFileName);
    while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  int selected = -1;
  for (int i = 0; i < list.count() && selected < 0; ++i)
    if (same_file_name(list.item_text(i), stored_name)) selected = i;
  list.select(selected);
}

bool reads_on(const key_info& key, int32_t value) {
  return key.kind == key_kind::lshift_switch ? lshift_is_on(value) : switch_is_on(value);
}

}  // namespace

const std::array<setting_binding, SETTING_COUNT>& setting_bindings() { return BINDINGS; }

const std::array<setting, LOADED_BEFORE_SKINS>& load_order() { return LOAD_ORDER; }

const setting_binding& binding_of(setting key) {
  for (const setting_binding& binding : BINDINGS)
    if (binding.key == key) return binding;
  return BINDINGS.front();  // not reached: every key has a row
}

void load_binding(settings_form& f, const setting_binding& b, const ini_document& document) {
  const key_info& key = key_of(b.key);
  const char* section = section_name(key.sect);
  const auto text = [&] { return document.get_string(section, key.name, key.default_text); };
  const auto number = [&] { return document.get_int(section, key.name, key.default_int); };

  switch (b.kind) {
    case binding_kind::skin_list:
      fill_skin_list(f, f.*b.list, text());
      break;
    case binding_kind::check:
      (f.*b.check).set_checked(reads_on(key, number()));
      break;
    case binding_kind::count_edit:
      (f.*b.edit).set_text(text());
      break;
    case binding_kind::hotkey:
      f.hotkey_code = number();
      break;
    case binding_kind::choice_list: {
      const drop_down& list = f.*b.list;
      list.select(choice_index(number(), list.count()));  // no valid index selects nothing
      break;
    }
    case binding_kind::comma_period_pair: {
      const int role = comma_period_role(number());
      (f.*b.check).set_checked(role == 1);
      (f.*b.second_check).set_checked(role == 2);
      break;
    }
    case binding_kind::charset_pair: {
      const bool gbk = charset_is_gbk(number());
      f.gb2312_radio.set_checked(!gbk);
      f.gbk_radio.set_checked(gbk);
      break;
    }
    case binding_kind::panel_background:
      // Text without a comma is no colour: the swatch keeps what it shows.
      if (const auto colour = parse_colour_value(text())) (f.*b.swatch_panel).set_background_colour(*colour);
      break;
    case binding_kind::label_text_colour:
      if (const auto colour = parse_colour_value(text())) (f.*b.swatch_label).set_text_colour(*colour);
      break;
  }
}

std::string saved_text(const settings_form& f, const setting_binding& b) {
  const key_info& key = key_of(b.key);
  switch (b.kind) {
    case binding_kind::skin_list: {
      const drop_down& list = f.*b.list;
      const int selected = list.selected_index();
      return selected < 0 ? std::string() : list.item_text(selected);
    }
    case binding_kind::check: {
      const bool on = (f.*b.check).is_checked();
      return key.kind == key_kind::lshift_switch ? lshift_text(on) : switch_text(on);
    }
    case binding_kind::count_edit:
      return (f.*b.edit).text();
    case binding_kind::hotkey:
      return format_padded_decimal(f.hotkey_code);
    case binding_kind::choice_list: {
      // A list left without a selection (its stored value was no index)
      // writes the key's default. For "Enter功能", whose two items are 0 and
      // 1, this is also the rule "0 for the first item, 1 otherwise".
      const int selected = (f.*b.list).selected_index();
      return std::to_string(selected < 0 ? key.default_int : selected);
    }
    case binding_kind::comma_period_pair:
      if ((f.*b.check).is_checked()) return "1";
      return (f.*b.second_check).is_checked() ? "2" : "0";
    case binding_kind::charset_pair:
      return f.gb2312_radio.is_checked() ? "0" : "1";
    case binding_kind::panel_background:
      return format_colour_value((f.*b.swatch_panel).background_colour());
    case binding_kind::label_text_colour:
      return format_colour_value((f.*b.swatch_label).text_colour());
  }
  return std::string();
}

}  // namespace sy
