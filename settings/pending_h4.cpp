// Temporary empty bodies of the loading, saving, hint and rule steps, so the
// dialog builds and runs until they are written in load_save.cpp, hints.cpp
// and option_rules.cpp. Delete each one as it gets its real body.

#include "settings/settings_form.h"

namespace sy {

void settings_form::load_settings() {}
unsigned long settings_form::save_settings() { return 0; }
void settings_form::report_save_failure(unsigned long) {}

void settings_form::create_hint_window() {}
void settings_form::store_hint_texts() {}
void settings_form::register_hint(HWND) {}
void settings_form::destroy_hint_window() {}

void settings_form::on_paging_keys_clicked() {}
void settings_form::on_candidate_keys_clicked() {}
void settings_form::apply_auto_word_rule() {}
void settings_form::apply_alarm_rule() {}
void settings_form::apply_speaker_rule() {}
void settings_form::apply_joint_search_rule() {}
void settings_form::on_temporary_pinyin_clicked() {}
void settings_form::on_pinyin_phrase_clicked() {}
void settings_form::apply_background_image_rule() {}
void settings_form::apply_dependencies_at_start() {}

}  // namespace sy
