#include "probe/number_text.h"

#include <algorithm>
#include <charconv>

namespace {

// The room snprintf was given: longer texts were cut to one byte less.
constexpr size_t kTextRoom = 64;

}  // namespace

std::string FixedText(double value, int decimals) {
  char text[400];  // the largest double written in full, with its decimals
  const std::to_chars_result written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (written.ec != std::errc()) return std::string();
  return std::string(text, std::min<size_t>(written.ptr - text, kTextRoom - 1));
}

std::string TwoDigitText(int64_t value) {
  return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}
