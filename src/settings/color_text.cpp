#include "settings/color_text.h"

#include <cstdio>

namespace {

// The value of c as a digit, or 99 when it is none.
uint32_t DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint32_t>(c - '0');
  if (c >= 'a' && c <= 'z') return static_cast<uint32_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'Z') return static_cast<uint32_t>(c - 'A' + 10);
  return 99;
}

}  // namespace

uint32_t ParseColorText(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t base = 10;
  if (i < text.size() && text[i] == '0') {
    base = 8;
    // "0x" counts as a prefix only when a hexadecimal digit follows; "0x" alone is the number 0.
    if (i + 2 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') && DigitValue(text[i + 2]) < 16) {
      base = 16;
      i += 2;
    }
  }
  uint32_t value = 0;
  for (; i < text.size() && DigitValue(text[i]) < base; ++i) value = value * base + DigitValue(text[i]);
  return negative ? 0u - value : value;
}

std::string FormatColorText(uint32_t color) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(color));
  return text;
}
