// The status bar's show/hide hotkey list: the stored key code selects an
// item by its position in the key table, and the chosen item's position
// gives the code back.

#include "settings/settings_form.h"

namespace sy {

void settings_form::build_key_table() { key_table = standard_key_table(); }

void settings_form::fill_hotkey_list() {
  hotkey_combo.clear();
  for (const key_entry& key : key_table) hotkey_combo.add_item(key.name);
  // A code outside the table leaves the list without a selection; confirming
  // it unchanged then stores Enter.
  hotkey_combo.select(key_position(key_table, hotkey_code));
}

int32_t settings_form::selected_hotkey_code() const {
  const int selected = hotkey_combo.selected_index();
  if (selected < 0 || selected >= KEY_TABLE_SIZE) return DEFAULT_HOTKEY_CODE;
  return key_table[size_t(selected)].code;
}

}  // namespace sy
