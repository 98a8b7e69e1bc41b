#pragma once
// The keys offered for the status bar's show/hide hotkey (Ctrl + Shift +
// key): the virtual-key code the settings file stores, and the name shown in
// the list. Position i of the table is item i of the list; names are never
// parsed, so only positions link items to codes.

#include <array>
#include <cstdint>
#include <string>

namespace sy {

inline constexpr int KEY_TABLE_SIZE = 70;
// The key stored when the user confirms without any key chosen: Enter.
inline constexpr int32_t DEFAULT_HOTKEY_CODE = 13;

struct key_entry {
  int32_t code = 0;
  std::string name;
};

using key_table_entries = std::array<key_entry, KEY_TABLE_SIZE>;

// The 70 entries in the order the input method's users know from its earlier
// versions: not sorted by code (Num Lock stands among the cursor keys, the
// punctuation keys follow the keyboard's rows).
key_table_entries standard_key_table();

// Position of the first entry with this code, or -1.
int key_position(const key_table_entries& table, int32_t code);

}  // namespace sy
