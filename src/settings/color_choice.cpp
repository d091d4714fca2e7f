#include "settings/color_choice.h"

namespace {

struct ColorChoice {
  uint32_t last_chosen = 0;
  CustomColors settings_dialog_colors{};
  CustomColors html_options_colors{};
};

ColorChoice& Choice() {
  static ColorChoice choice;
  return choice;
}

}  // namespace

uint32_t LastChosenColor() {
  return Choice().last_chosen;
}

CustomColors& CustomColorsOf(ColorChooserOwner owner) {
  ColorChoice& choice = Choice();
  return owner == ColorChooserOwner::kSettingsDialog ? choice.settings_dialog_colors
                                                     : choice.html_options_colors;
}

uint32_t TakeChooserResult(std::optional<uint32_t> confirmed, uint32_t current) {
  if (!confirmed) return current;
  Choice().last_chosen = *confirmed;
  return *confirmed;
}

void ResetColorChoiceForTesting() {
  Choice() = ColorChoice{};
}
