#include "settings/color_choice.h"

namespace {

uint32_t g_last_chosen = 0;
CustomColors g_settings_dialog_colors{};
CustomColors g_html_options_colors{};

}  // namespace

uint32_t LastChosenColor() {
  return g_last_chosen;
}

CustomColors& CustomColorsOf(ColorChooserOwner owner) {
  return owner == ColorChooserOwner::kSettingsDialog ? g_settings_dialog_colors : g_html_options_colors;
}

uint32_t TakeChooserResult(std::optional<uint32_t> confirmed, uint32_t current) {
  if (!confirmed) return current;
  g_last_chosen = *confirmed;
  return g_last_chosen;
}

void ResetColorChoiceForTesting() {
  g_last_chosen = 0;
  g_settings_dialog_colors.fill(0);
  g_html_options_colors.fill(0);
}
