// The status bar's hotkey list: the stored key code selects its item by
// position in the key table, and the chosen item gives its code back.

#include "tests/wine/settings_window/test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace sy_test {
namespace {

TEST(key_table, has_70_unique_codes_with_their_names_in_order) {
  const sy::key_table_entries table = sy::standard_key_table();
  std::set<int32_t> codes;
  for (const sy::key_entry& key : table) codes.insert(key.code);
  EXPECT_EQ(codes.size(), 70u);
  struct position_case {
    int position;
    int32_t code;
    const char* name;
  } cases[] = {{0, 8, " Back"},     {2, 13, " Enter"},      {4, 33, " PgUp"},       {12, 144, " Num Lk"},
               {13, 45, " Insert"}, {15, 48, " num_0"},     {24, 57, " num_9"},     {25, 65, " A"},
               {50, 90, " Z"},      {51, 96, " num_pad_0"}, {60, 105, " num_pad_9"}, {61, 192, " `"},
               {66, 222, "'"},      {67, 186, " ;"},        {69, 191, " /"}};
  for (const position_case& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(table[size_t(c.position)].code, c.code);
    EXPECT_EQ(table[size_t(c.position)].name, c.name);
  }
  for (const sy::key_entry& key : table) {
    if (key.code != 222) {
      EXPECT_EQ(key.name[0], ' ') << key.name;
    }
  }
}

class hotkey_list_test : public testing::Test {
 protected:
  temp_install install;
  std::unique_ptr<sy::settings_form> load_with_key(const char* stored) {
    if (stored) install.write_file("shuoyun.ini", std::string("[状态栏]\r\n隐藏状态栏的按键=") + stored + "\r\n");
    return build_dialog();
  }
};

TEST_F(hotkey_list_test, the_stored_code_selects_its_key_and_confirming_gives_it_back) {
  struct stored_case {
    const char* stored;     // nullptr: no settings file at all
    int selected;           // -1: no item selected
    const char* item;
    int32_t confirmed;
  } cases[] = {
      {nullptr, 2, " Enter", 13}, {"13", 2, " Enter", 13},       {"9", 1, " Tab", 9},
      {"144", 12, " Num Lk", 144}, {"222", 66, "'", 222},        {"0", -1, "", 13},
      {"112", -1, "", 13},         {"53", 20, " num_5", 53},     {"101", 56, " num_pad_5", 101},
  };
  for (const stored_case& c : cases) {
    SCOPED_TRACE(c.stored ? c.stored : "no file");
    auto form = load_with_key(c.stored);
    const sy::drop_down& list = form->hotkey_combo;
    ASSERT_EQ(list.count(), 70);
    EXPECT_EQ(list.item_text(69), " /");
    EXPECT_EQ(list.selected_index(), c.selected);
    if (c.selected >= 0) {
      EXPECT_EQ(list.item_text(c.selected), c.item);
    }
    EXPECT_EQ(form->selected_hotkey_code(), c.confirmed);
  }
}

TEST_F(hotkey_list_test, a_users_choice_gives_that_keys_code) {
  auto form = load_with_key("0");
  const sy::drop_down& list = form->hotkey_combo;
  struct choice_case {
    int item;
    int32_t code;
  } cases[] = {{0, 8}, {12, 144}, {66, 222}, {69, 191}};
  for (const choice_case& c : cases) {
    list.select(c.item);
    SendMessageA(GetParent(list.handle()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), LPARAM(list.handle()));
    pump_messages();
    EXPECT_EQ(form->selected_hotkey_code(), c.code);
  }
}

TEST_F(hotkey_list_test, filling_replaces_the_items_it_was_built_with) {
  auto form = sy::construct_settings_window("shuoyun.opt");
  EXPECT_EQ(form->hotkey_combo.count(), 8);
  form->build_key_table();
  form->hotkey_code = 9;
  form->fill_hotkey_list();
  EXPECT_EQ(form->hotkey_combo.count(), 70);
  EXPECT_EQ(form->hotkey_combo.item_text(0), " Back");
  EXPECT_EQ(form->hotkey_combo.selected_index(), 1);
}

}  // namespace
}  // namespace sy_test
