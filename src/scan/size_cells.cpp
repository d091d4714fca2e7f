#include "scan/size_cells.h"

#include <charconv>

#include "list/text_utils.h"

namespace {

// Above this size "%.2f" would round to 10.00, one digit wider than the column was made for.
constexpr int64_t kLargestTwoDecimalSize = 10475274;

}  // namespace

std::string SizeBytesCell(int64_t size) {
  return GroupThousands(std::to_string(size));
}

std::string SizeMBCell(int64_t size, bool with_unit) {
  // to_chars, unlike printf, ignores the locale the window program runs under ("4,77" in German).
  char text[64];
  int decimals = size <= kLargestTwoDecimalSize ? 2 : 1;
  auto end = std::to_chars(text, text + sizeof text, static_cast<double>(size) / 1048576.0,
                           std::chars_format::fixed, decimals)
                 .ptr;
  return std::string(text, end) + (with_unit ? "MB" : "");
}

std::string SizeKBCell(int64_t size, bool with_unit) {
  return GroupThousands(std::to_string(size / 1024)) + (with_unit ? "KB" : "");
}
