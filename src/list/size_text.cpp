#include "list/size_text.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

int64_t ParseGroupedNumber(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if (c != ',') digits += c;
  }
  errno = 0;
  long long value = std::strtoll(digits.c_str(), nullptr, 0);
  return errno == ERANGE ? 0 : value;
}

double ParseDecimal(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  size_t end = start;
  if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
  bool negative = end > start && text[start] == '-';
  size_t number_start = end;
  while (end < text.size() && IsDigit(text[end])) ++end;
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && IsDigit(text[end])) ++end;
  }
  double value = 0;
  std::from_chars(text.data() + number_start, text.data() + end, value, std::chars_format::fixed);
  return negative ? -value : value;
}
