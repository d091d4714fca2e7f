#include "list/csv_encoding.h"

#include "platform/cp932.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

std::string CsvTextAsCp932(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return Utf8ToCp932(bytes.substr(kUtf8Bom.size()));
  if (!IsCp932Text(bytes) && IsUtf8Text(bytes)) return Utf8ToCp932(bytes);
  return std::string(bytes);
}
