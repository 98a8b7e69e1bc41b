// Rules that keep dependent options consistent while the user edits. Each
// click rule reads the state the click has just produced; the changes a rule
// makes by program raise no click of their own, so no rule sets off another
// except where it calls one on purpose.
#include "settings/settings_form.h"

namespace sy {

// The comma and full-stop keys can either page the candidate list or pick the
// second and third candidates, not both: the file keeps one three-valued key.
void settings_form::on_paging_keys_clicked() {
  if (comma_period_paging_check.is_checked()) comma_period_check.set_checked(false);
}

void settings_form::on_candidate_keys_clicked() {
  if (comma_period_check.is_checked()) comma_period_paging_check.set_checked(false);
}

void settings_form::apply_auto_word_rule() {
  const bool on = auto_phrase_check.is_checked();
  auto_phrase_save_check.enable(on);
  phrase_in_auto_phrase_check.enable(on);
  auto_phrase_max_length_edit.enable(on);
}

// Turning the alarm on enables the speaker option and its tone together, even
// while the speaker option is off; the speaker rule narrows that on its next click.
void settings_form::apply_alarm_rule() {
  const bool on = alarm_check.is_checked();
  speaker_alarm_check.enable(on);
  speaker_tone_edit.enable(on);
}

void settings_form::apply_speaker_rule() { speaker_tone_edit.enable(speaker_alarm_check.is_checked()); }

// Temporary Pinyin exists for users who search Wubi codes alone; searching
// Pinyin along with the codes makes it pointless, and Pinyin phrases need the
// joint search.
void settings_form::apply_joint_search_rule() {
  if (code_pinyin_search_check.is_checked()) {
    pinyin_phrase_search_check.enable(true);
    temp_pinyin_check.set_checked(false);
  } else {
    pinyin_phrase_search_check.set_checked(false);
    pinyin_phrase_search_check.enable(false);
    temp_pinyin_check.set_checked(true);
    temp_pinyin_check.enable(true);
  }
}

void settings_form::on_temporary_pinyin_clicked() {
  if (!temp_pinyin_check.is_checked()) return;
  code_pinyin_search_check.set_checked(false);
  apply_joint_search_rule();
}

void settings_form::on_pinyin_phrase_clicked() {
  if (code_pinyin_search_check.is_checked()) temp_pinyin_check.set_checked(false);
}

// A background picture replaces the plain colours, so their preview goes away;
// the colours are kept and saved all the same.
void settings_form::apply_background_image_rule() {
  preview_outer_panel.show(!background_image_check.is_checked());
}

// After loading; the alarm rule's disabling half already ran inside loading.
void settings_form::apply_dependencies_at_start() {
  apply_auto_word_rule();
  apply_speaker_rule();
  on_paging_keys_clicked();
  apply_joint_search_rule();
  apply_background_image_rule();
}

}  // namespace sy
