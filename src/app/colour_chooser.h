#pragma once
// The colour chooser of the option dialogs and the swatches that show a colour reference (0x00BBGGRR).
#include <cstdint>
#include <functional>
#include <optional>

#include "settings/color_choice.h"

class QFrame;
class QWidget;

// Opens QColorDialog owned by owner on LastChosenColor(), with the owner dialog's sixteen custom colours
// (taken back afterwards, whatever the user did), and returns the colour its field gets: the confirmed
// colour, or current after a cancel.
uint32_t ChooseColor(QWidget* owner, ColorChooserOwner which, uint32_t current);

// Tests: answers every chooser instead of the user, given the starting colour and the custom colours;
// no colour means cancel. An empty handler restores the real chooser.
using ColorChooserHandler = std::function<std::optional<uint32_t>(uint32_t start, CustomColors& custom)>;
void SetColorChooserForTesting(ColorChooserHandler handler);

// A framed rectangle of the dialog that shows a colour.
QFrame* CreateColourSwatch(QWidget* dialog);

// Fills the swatch with the given id with the colour.
void PaintColourSwatch(QWidget* dialog, int id, uint32_t color_reference);
