#include "settings/key_table.h"

namespace sy {

key_table_entries standard_key_table() {
  key_table_entries table;
  int position = 0;
  auto add = [&](int32_t code, std::string name) { table[size_t(position++)] = {code, std::move(name)}; };

  add(8, " Back");
  add(9, " Tab");
  add(13, " Enter");
  add(32, " Space");
  add(33, " PgUp");
  add(34, " PgDown");
  add(35, " End");
  add(36, " Home");
  add(37, " Left");
  add(38, " Up");
  add(39, " Right");
  add(40, " Down");
  add(144, " Num Lk");
  add(45, " Insert");
  add(46, " Del");
  for (int32_t code = '0'; code <= '9'; ++code) add(code, " num_" + std::string(1, char(code)));
  for (int32_t code = 'A'; code <= 'Z'; ++code) add(code, " " + std::string(1, char(code)));
  for (int32_t code = 96; code <= 105; ++code) add(code, " num_pad_" + std::string(1, char(code - 48)));
  add(192, " `");
  add(189, " -");
  add(187, " =");
  add(219, " [");
  add(221, " ]");
  add(222, "'");  // the apostrophe alone: stored files and users know it without the blank
  add(186, " ;");
  add(188, " ,");
  add(191, " /");
  return table;
}

int key_position(const key_table_entries& table, int32_t code) {
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].code == code) return int(i);
  }
  return -1;
}

}  // namespace sy
