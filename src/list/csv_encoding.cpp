#include "list/csv_encoding.h"

#include "platform/cp932.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

std::string CsvTextAsCp932(std::string bytes) {
  const std::string_view text = bytes;
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) return Utf8ToCp932(text.substr(kUtf8Bom.size()));
  if (!IsCp932Text(text) && IsUtf8Text(text)) return Utf8ToCp932(text);
  return bytes;
}
