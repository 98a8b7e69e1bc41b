#pragma once
// Which control holds each key of shuoyun.ini and how the key's text moves
// between the file and that control. One row per key, in the order in which
// the keys are saved; the key's section, name, kind and default come from the
// store's schema. No other code reads or writes a key.

#include "common/ini_document.h"
#include "common/schema.h"
#include "settings/settings_form.h"

#include <array>
#include <cstdint>
#include <string>

namespace sy {

enum class binding_kind : uint8_t {
  skin_list,          // the skin list: its items come from the skin directory
  check,              // a check box; on/off text by the key's kind (switch or LShift switch)
  count_edit,         // a number field's text, unchanged either way
  hotkey,             // the form's hotkey_code
  choice_list,        // the index of a drop-down list's selected item
  comma_period_pair,  // two exclusive check boxes sharing one three-valued key
  charset_pair,       // the radio buttons GB2312 and GBK
  panel_background,   // a colour held as a preview panel's background
  label_text_colour,  // a colour held as a preview label's text colour
};

struct setting_binding {
  setting key;
  binding_kind kind;
  check_box settings_form::*check = nullptr;         // check; the page-key box of the pair
  check_box settings_form::*second_check = nullptr;  // the candidate-key box of the pair
  number_edit settings_form::*edit = nullptr;
  drop_down settings_form::*list = nullptr;
  panel settings_form::*swatch_panel = nullptr;
  label settings_form::*swatch_label = nullptr;
};

// All keys, in save order.
const std::array<setting_binding, SETTING_COUNT>& setting_bindings();
const setting_binding& binding_of(setting key);

// Loading reads the keys in a different order from saving; "自动词组背景色"
// is never read, and the skin list is filled after the alarm rule has acted.
inline constexpr int LOADED_BEFORE_SKINS = SETTING_COUNT - 2;
const std::array<setting, LOADED_BEFORE_SKINS>& load_order();

// Puts the key's value from the document into its control.
void load_binding(settings_form& form, const setting_binding& binding, const ini_document& document);
// The text that the key's control gives for the file.
std::string saved_text(const settings_form& form, const setting_binding& binding);

}  // namespace sy
