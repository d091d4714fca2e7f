#include "settings/html_options.h"

#include "settings/color_text.h"
#include "settings/settings.h"

namespace {

constexpr size_t kTextCapacity = 128;

std::string ReadText(const char* key, const std::string& default_value) {
  return ReadSettingText(kHtmlSetting, key, default_value, kTextCapacity);
}

uint32_t ReadColor(const char* key, uint32_t default_color) {
  return ParseColorText(ReadText(key, FormatColorText(default_color)));
}

int InRangeOr(int value, int highest, int default_value) {
  return (value >= 0 && value <= highest) ? value : default_value;
}

}  // namespace

HtmlOptions ReadHtmlOptions() {
  const HtmlOptions defaults;
  HtmlOptions options;
  options.Caption = ReadText("Caption", defaults.Caption);
  options.TopTitle = ReadText("TopTitle", defaults.TopTitle);
  options.FoBackImage = ReadText("FoBackImage", defaults.FoBackImage);
  options.FoFontSize = ReadText("FoFontSize", defaults.FoFontSize);
  options.FiiFontSize = ReadText("FiiFontSize", defaults.FiiFontSize);
  options.FoStrDrawType = ReadSettingInt(kHtmlSetting, "FoStrDrawType", defaults.FoStrDrawType);
  options.FoBackDrawType = ReadSettingInt(kHtmlSetting, "FoBackDrawType", defaults.FoBackDrawType);
  options.FitStrDrawType = ReadSettingInt(kHtmlSetting, "FitStrDrawType", defaults.FitStrDrawType);
  options.FiiListDraw = ReadSettingInt(kHtmlSetting, "FiiListDraw", defaults.FiiListDraw);
  options.FiiStrDrawType = ReadSettingInt(kHtmlSetting, "FiiStrDrawType", defaults.FiiStrDrawType);
  options.FoBackColor = ReadColor("FoBackColor", defaults.FoBackColor);
  options.FitBackColor = ReadColor("FitBackColor", defaults.FitBackColor);
  options.FitFontColor = ReadColor("FitFontColor", defaults.FitFontColor);
  options.FiiBackColor1 = ReadColor("FiiBackColor1", defaults.FiiBackColor1);
  options.FiiBackColor2 = ReadColor("FiiBackColor2", defaults.FiiBackColor2);
  options.FiiFontColor1 = ReadColor("FiiFontColor1", defaults.FiiFontColor1);
  options.FiiFontColor2 = ReadColor("FiiFontColor2", defaults.FiiFontColor2);
  options.FoFontColor = ReadColor("FoFontColor", defaults.FoFontColor);
  return options;
}

bool WriteHtmlOptions(const HtmlOptions& options) {
  const HtmlOptions defaults;
  bool stored = true;
  stored &= WriteSettingText(kHtmlSetting, "Caption", options.Caption);
  stored &= WriteSettingText(kHtmlSetting, "TopTitle", options.TopTitle);
  stored &= WriteSettingText(kHtmlSetting, "FoBackImage", options.FoBackImage);
  stored &= WriteSettingText(kHtmlSetting, "FoFontSize", options.FoFontSize);
  stored &= WriteSettingText(kHtmlSetting, "FiiFontSize", options.FiiFontSize);
  stored &= WriteSettingInt(kHtmlSetting, "FoStrDrawType",
                            InRangeOr(options.FoStrDrawType, 2, defaults.FoStrDrawType));
  stored &= WriteSettingInt(kHtmlSetting, "FoBackDrawType",
                            InRangeOr(options.FoBackDrawType, 1, defaults.FoBackDrawType));
  stored &= WriteSettingInt(kHtmlSetting, "FitStrDrawType",
                            InRangeOr(options.FitStrDrawType, 2, defaults.FitStrDrawType));
  stored &=
      WriteSettingInt(kHtmlSetting, "FiiListDraw", InRangeOr(options.FiiListDraw, 1, defaults.FiiListDraw));
  stored &= WriteSettingInt(kHtmlSetting, "FiiStrDrawType",
                            InRangeOr(options.FiiStrDrawType, 2, defaults.FiiStrDrawType));
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
