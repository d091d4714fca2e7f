#pragma once
// Conversion between the program's colour references (0x00BBGGRR, red in the lowest byte) and QColor,
// at the edge to the widgets.
#include <QColor>
#include <cstdint>

QColor ToQColor(uint32_t color_reference);
uint32_t ToColorReference(const QColor& color);
