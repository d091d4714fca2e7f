#include "settings/edit_text.h"

namespace {

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

std::string CutEditText(std::string_view text, size_t capacity) {
  if (capacity == 0) return {};
  const size_t limit = capacity - 1;
  size_t end = 0;
  while (end < text.size()) {
    // A lead byte at the very end has no trail byte and counts alone.
    const size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) && end + 1 < text.size() ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return std::string(text.substr(0, end));
}
