// The rules between options: at start-up, after the file is loaded, and on
// each click of their check boxes.
#include "tests/wine/settings_load_save/open_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace sy_test {
namespace {

using form_check = sy::check_box sy::settings_form::*;
using f = sy::settings_form;

// The state of every control the rules touch, one word each: a check box as
// name=1 or name=0, a trailing '-' when disabled; the fields as their name with
// '-' when disabled; the colour preview as "preview" or "preview-" when hidden.
std::vector<std::string> rule_states(const sy::settings_form& form) {
  const struct {
    const char* name;
    form_check box;
  } boxes[] = {
      {"paging", &f::comma_period_paging_check},      {"candidate_keys", &f::comma_period_check},
      {"auto_phrase", &f::auto_phrase_check},         {"auto_save", &f::auto_phrase_save_check},
      {"phrase_in_auto", &f::phrase_in_auto_phrase_check}, {"alarm", &f::alarm_check},
      {"speaker", &f::speaker_alarm_check},           {"joint", &f::code_pinyin_search_check},
      {"pinyin_phrase", &f::pinyin_phrase_search_check}, {"temp_pinyin", &f::temp_pinyin_check},
      {"background_image", &f::background_image_check},
  };
  std::vector<std::string> states;
  for (const auto& b : boxes) {
    const sy::check_box& box = form.*b.box;
    states.push_back(std::string(b.name) + (box.is_checked() ? "=1" : "=0") + (box.is_enabled() ? "" : "-"));
  }
  states.push_back(form.auto_phrase_max_length_edit.is_enabled() ? "max_length" : "max_length-");
  states.push_back(form.speaker_tone_edit.is_enabled() ? "tone" : "tone-");
  states.push_back(form.preview_outer_panel.is_visible() ? "preview" : "preview-");
  return states;
}

testing::AssertionResult shows(const sy::settings_form& form, const std::vector<std::string>& expected) {
  const std::vector<std::string> states = rule_states(form);
  std::ostringstream wrong;
  for (const std::string& word : expected)
    if (std::find(states.begin(), states.end(), word) == states.end()) wrong << " " << word;
  if (wrong.str().empty()) return testing::AssertionSuccess();
  std::ostringstream all;
  for (const std::string& word : states) all << " " << word;
  return testing::AssertionFailure() << "expected" << wrong.str() << "; the dialog shows" << all.str();
}

std::string sections(const std::string& system, const std::string& advanced) {
  return "[系统设置]\r\n" + system + "[高级设置]\r\n" + advanced;
}

using option_rules = open_dialog;

TEST_F(option_rules, start_up_applies_the_rules_to_the_loaded_settings) {
  struct row {
    const char* name;
    std::string file;
    std::vector<std::string> expected;
  } rows[] = {
      {"joint search off forces temporary Pinyin on and Pinyin phrases off",
       sections("五笔拼音同时检索=0\r\n拼音时检索词组=1\r\n", "启用临时拼音=0\r\n"),
       {"joint=0", "pinyin_phrase=0-", "temp_pinyin=1"}},
      {"joint search on turns temporary Pinyin off and keeps Pinyin phrases",
       sections("五笔拼音同时检索=1\r\n拼音时检索词组=1\r\n", "启用临时拼音=1\r\n"),
       {"joint=1", "pinyin_phrase=1", "temp_pinyin=0"}},
      {"alarm off disables the speaker option but its tone follows the speaker",
       sections("启用出错报警功能=0\r\n强制扬声器报警=1\r\n", ""), {"alarm=0", "speaker=1-", "tone"}},
      {"alarm and speaker off disable both", sections("启用出错报警功能=0\r\n强制扬声器报警=0\r\n", ""),
       {"speaker=0-", "tone-"}},
      {"alarm on, speaker off", sections("启用出错报警功能=1\r\n强制扬声器报警=0\r\n", ""), {"speaker=0", "tone-"}},
      {"automatic phrases off grey their options out, values kept",
       sections("", "启用自动造词功能=0\r\n自动词组即选即存=1\r\n自动造词时包括词组=0\r\n"),
       {"auto_phrase=0", "auto_save=1-", "phrase_in_auto=0-", "max_length-"}},
      {"automatic phrases on", sections("", "启用自动造词功能=1\r\n"), {"auto_save=1", "phrase_in_auto=1", "max_length"}},
      {"background picture hides the preview", sections("", "汉字候选使用背景图=1\r\n"), {"preview-"}},
      {"no background picture shows it", sections("", "汉字候选使用背景图=0\r\n"), {"preview"}},
      {"page keys", sections("逗、句号功能=1\r\n", ""), {"paging=1", "candidate_keys=0"}},
      {"candidate keys", sections("逗、句号功能=2\r\n", ""), {"paging=0", "candidate_keys=1"}},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(r.file.c_str());
    EXPECT_TRUE(shows(*form, r.expected));
    form.reset();
  }
}

TEST_F(option_rules, the_start_up_states_are_what_ok_stores) {
  open(sections("五笔拼音同时检索=0\r\n拼音时检索词组=1\r\n", "启用临时拼音=0\r\n").c_str());
  const std::string file = confirm();
  EXPECT_NE(file.find("拼音时检索词组=0\r\n"), std::string::npos);
  EXPECT_NE(file.find("启用临时拼音=1\r\n"), std::string::npos);
}

TEST_F(option_rules, each_click_applies_its_rule) {
  struct row {
    const char* name;
    std::string file;
    std::vector<form_check> clicks;
    std::vector<std::string> expected;
  } rows[] = {
      {"temporary Pinyin on ends the joint search", sections("五笔拼音同时检索=1\r\n拼音时检索词组=1\r\n", ""),
       {&f::temp_pinyin_check}, {"joint=0", "pinyin_phrase=0-", "temp_pinyin=1"}},
      {"temporary Pinyin off leaves all three off", sections("五笔拼音同时检索=0\r\n", ""), {&f::temp_pinyin_check},
       {"joint=0", "pinyin_phrase=0-", "temp_pinyin=0"}},
      {"joint search on enables Pinyin phrases", sections("五笔拼音同时检索=0\r\n", ""),
       {&f::code_pinyin_search_check}, {"joint=1", "pinyin_phrase=0", "temp_pinyin=0"}},
      {"joint search off", sections("五笔拼音同时检索=1\r\n拼音时检索词组=1\r\n", ""), {&f::code_pinyin_search_check},
       {"joint=0", "pinyin_phrase=0-", "temp_pinyin=1"}},
      {"page keys win over candidate keys", sections("逗、句号功能=2\r\n", ""), {&f::comma_period_paging_check},
       {"paging=1", "candidate_keys=0"}},
      {"candidate keys win over page keys", sections("逗、句号功能=1\r\n", ""), {&f::comma_period_check},
       {"paging=0", "candidate_keys=1"}},
      {"unchecking page keys changes nothing else", sections("逗、句号功能=1\r\n", ""),
       {&f::comma_period_paging_check}, {"paging=0", "candidate_keys=0"}},
      {"unchecking candidate keys changes nothing else", sections("逗、句号功能=2\r\n", ""),
       {&f::comma_period_check}, {"paging=0", "candidate_keys=0"}},
      {"automatic phrases off and on", sections("", "启用自动造词功能=1\r\n"), {&f::auto_phrase_check},
       {"auto_save=1-", "phrase_in_auto=1-", "max_length-"}},
      {"automatic phrases back on", sections("", "启用自动造词功能=0\r\n"), {&f::auto_phrase_check},
       {"auto_save=1", "phrase_in_auto=1", "max_length"}},
      {"alarm on enables the speaker and the tone whatever the speaker",
       sections("启用出错报警功能=0\r\n强制扬声器报警=0\r\n", ""), {&f::alarm_check}, {"speaker=0", "tone"}},
      {"then the speaker governs the tone", sections("启用出错报警功能=0\r\n强制扬声器报警=0\r\n", ""),
       {&f::alarm_check, &f::speaker_alarm_check, &f::speaker_alarm_check}, {"speaker=0", "tone-"}},
      {"speaker on enables the tone", sections("强制扬声器报警=0\r\n", ""), {&f::speaker_alarm_check},
       {"speaker=1", "tone"}},
      {"alarm off disables both", sections("启用出错报警功能=1\r\n强制扬声器报警=1\r\n", ""), {&f::alarm_check},
       {"speaker=1-", "tone-"}},
      {"background picture hides and shows the preview", sections("", "汉字候选使用背景图=0\r\n"),
       {&f::background_image_check}, {"preview-"}},
      {"and shows it again", sections("", "汉字候选使用背景图=0\r\n"),
       {&f::background_image_check, &f::background_image_check}, {"preview"}},
  };
  for (const row& r : rows) {
    SCOPED_TRACE(r.name);
    open(r.file.c_str());
    for (const form_check box : r.clicks) click(form.get()->*box);
    EXPECT_TRUE(shows(*form, r.expected));
    form.reset();
  }
}

// Only reachable by program: the joint search and temporary Pinyin both on.
TEST_F(option_rules, pinyin_phrase_click_turns_temporary_pinyin_off_under_joint_search) {
  open(sections("五笔拼音同时检索=1\r\n", "").c_str());
  form->temp_pinyin_check.set_checked(true);
  click(form->pinyin_phrase_search_check);
  EXPECT_TRUE(shows(*form, {"joint=1", "pinyin_phrase=1", "temp_pinyin=0"}));
}

// A rule that ran on a change made by program would set off the next rule
// and undo what loading or another rule has just set.
TEST_F(option_rules, changes_by_program_run_no_rule) {
  open(sections("逗、句号功能=1\r\n启用出错报警功能=1\r\n五笔拼音同时检索=1\r\n", "").c_str());
  form->comma_period_check.set_checked(true);
  form->alarm_check.set_checked(false);
  form->temp_pinyin_check.set_checked(true);
  pump();
  EXPECT_TRUE(shows(*form, {"paging=1", "candidate_keys=1", "alarm=0", "speaker=0", "tone-", "joint=1",
                            "temp_pinyin=1"}));
}

}  // namespace
}  // namespace sy_test
