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
