#include "settings/html_option_groups.h"

#include "settings/edit_text.h"
#include "settings/settings.h"

const std::array<HtmlRadioGroup, 5> kHtmlRadioGroups = {{
    {"FoStrDrawType",
     &HtmlOptions::FoStrDrawType,
     {kHtmlOuterAlignLeft, kHtmlOuterAlignCentre, kHtmlOuterAlignRight}},
    {"FoBackDrawType", &HtmlOptions::FoBackDrawType, {kHtmlOuterBackOfColor, kHtmlOuterBackOfImage, 0}},
    {"FitStrDrawType",
     &HtmlOptions::FitStrDrawType,
     {kHtmlTopAlignLeft, kHtmlTopAlignCentre, kHtmlTopAlignRight}},
    {"FiiListDraw", &HtmlOptions::FiiListDraw, {kHtmlItemsOneColor, kHtmlItemsAlternateColors, 0}},
    {"FiiStrDrawType",
     &HtmlOptions::FiiStrDrawType,
     {kHtmlItemAlignLeft, kHtmlItemAlignCentre, kHtmlItemAlignRight}},
}};

namespace {

constexpr size_t kTextCapacity = 128;

}  // namespace

int RadioButtonOfChoice(const HtmlRadioGroup& group, int choice) {
  if (choice < 0 || choice >= static_cast<int>(group.button_ids.size())) return 0;
  return group.button_ids[choice];
}

int ChoiceOfRadioButton(const HtmlRadioGroup& group, int checked_id) {
  for (size_t i = 0; i < group.button_ids.size(); ++i) {
    if (checked_id != 0 && group.button_ids[i] == checked_id) return static_cast<int>(i);
  }
  return -1;
}

const HtmlRadioGroup* RadioGroupOfButton(int button_id) {
  for (const HtmlRadioGroup& group : kHtmlRadioGroups) {
    if (ChoiceOfRadioButton(group, button_id) >= 0) return &group;
  }
  return nullptr;
}

std::string CutHtmlOptionText(std::string_view text) {
  return CutEditText(text, kTextCapacity);
}

bool StoreHtmlOptions(const HtmlOptions& options) {
  bool stored = true;
  stored &= WriteSettingText(kHtmlSetting, "Caption", CutHtmlOptionText(options.Caption));
  stored &= WriteSettingText(kHtmlSetting, "TopTitle", CutHtmlOptionText(options.TopTitle));
  stored &= WriteSettingText(kHtmlSetting, "FoBackImage", CutHtmlOptionText(options.FoBackImage));
  stored &= WriteSettingText(kHtmlSetting, "FoFontSize", CutHtmlOptionText(options.FoFontSize));
  stored &= WriteSettingText(kHtmlSetting, "FiiFontSize", CutHtmlOptionText(options.FiiFontSize));
  for (const HtmlRadioGroup& group : kHtmlRadioGroups) {
    const int choice = options.*group.choice;
    if (RadioButtonOfChoice(group, choice) == 0) continue;
    stored &= WriteSettingInt(kHtmlSetting, group.key, choice);
  }
  stored &= WriteSettingColor(kHtmlSetting, "FoBackColor", options.FoBackColor);
  stored &= WriteSettingColor(kHtmlSetting, "FitBackColor", options.FitBackColor);
  stored &= WriteSettingColor(kHtmlSetting, "FitFontColor", options.FitFontColor);
  stored &= WriteSettingColor(kHtmlSetting, "FiiBackColor1", options.FiiBackColor1);
  stored &= WriteSettingColor(kHtmlSetting, "FiiBackColor2", options.FiiBackColor2);
  stored &= WriteSettingColor(kHtmlSetting, "FiiFontColor1", options.FiiFontColor1);
  stored &= WriteSettingColor(kHtmlSetting, "FiiFontColor2", options.FiiFontColor2);
  stored &= WriteSettingColor(kHtmlSetting, "FoFontColor", options.FoFontColor);
  return stored;
}
