#pragma once
// The colour chooser state of the option dialogs, kept for the whole run and never saved: the colour
// last confirmed in any colour chooser (black at start), and each dialog's own sixteen custom colours
// (all black at start). Colours are colour references (0x00BBGGRR).
#include <array>
#include <cstdint>
#include <optional>

enum class ColorChooserOwner { kSettingsDialog, kHtmlOptions };

using CustomColors = std::array<uint32_t, 16>;

// Every colour chooser starts on this colour, whichever button opened it.
uint32_t LastChosenColor();

// The custom colours a dialog hands to its choosers and takes back after each use.
CustomColors& CustomColorsOf(ColorChooserOwner owner);

// The colour a chooser gives its field. A confirmed colour becomes the last chosen colour and the result;
// after a cancel (no colour) the field keeps its current colour.
uint32_t TakeChooserResult(std::optional<uint32_t> confirmed, uint32_t current);

// Tests: black again everywhere.
void ResetColorChoiceForTesting();
