#pragma once
// The radio groups of the HTML options dialog HTMLEDIT and how its values are stored. The dialog
// checks its radio buttons itself, one per group; a group may have no button checked when the settings
// file held a value outside the group's range.
#include <array>
#include <string>
#include <string_view>

#include "settings/html_options.h"
#include "settings/html_options_dialog_ids.h"

struct HtmlRadioGroup {
  const char* key;                // key in section HtmlSetting
  int HtmlOptions::*choice;       // the option the group sets
  std::array<int, 3> button_ids;  // the button of choice 0, 1, 2; 0 past the group's end
};

// FoStrDrawType, FoBackDrawType, FitStrDrawType, FiiListDraw, FiiStrDrawType: the order they are stored.
extern const std::array<HtmlRadioGroup, 5> kHtmlRadioGroups;

// The button that shows a choice, or 0 (no button) for a choice outside the group's range.
int RadioButtonOfChoice(const HtmlRadioGroup& group, int choice);

// The choice of a group's checked button, or -1 when checked_id is none of the group's buttons.
int ChoiceOfRadioButton(const HtmlRadioGroup& group, int checked_id);

// The group holding a button, or nullptr.
const HtmlRadioGroup* RadioGroupOfButton(int button_id);

// The dialog's texts as they are read from its five edits: at most 127 bytes.
std::string CutHtmlOptionText(std::string_view text);

// "設定を保存": the five texts, the five choices ("0", "1" or "2"; a choice outside its group's range,
// which stands for a group with no checked button, leaves its key as it is stored), then the eight
// colours as colour text, each to section HtmlSetting. False when any key could not be stored.
bool StoreHtmlOptions(const HtmlOptions& options);
