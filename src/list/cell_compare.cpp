#include "list/cell_compare.h"

#include <string_view>

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

unsigned char Folded(unsigned char b) {
  return (b >= 'A' && b <= 'Z') ? b + ('a' - 'A') : b;
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

// A decimal number as it stands in the text, without copying (the comparator runs n log n times in a
// sort): the whole part from its first significant digit, thousands separators included, with the count
// of its digits, and the fraction without trailing zeros, so equal values compare equal whatever their
// digit counts.
struct Number {
  std::string_view whole;
  size_t whole_digits = 0;
  std::string_view fraction;
};

Number ReadNumber(std::string_view text, size_t& at) {
  Number number;
  size_t whole_start = std::string_view::npos;
  for (; at < text.size(); ++at) {
    if (IsDigit(text[at])) {
      if (whole_start == std::string_view::npos && text[at] != '0') whole_start = at;
      if (whole_start != std::string_view::npos) ++number.whole_digits;
    } else if (!(text[at] == ',' && at + 1 < text.size() && IsDigit(text[at + 1]))) {
      break;
    }
  }
  if (whole_start != std::string_view::npos) number.whole = text.substr(whole_start, at - whole_start);
  if (at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1])) {
    const size_t fraction_start = ++at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    number.fraction = text.substr(fraction_start, at - fraction_start);
    while (!number.fraction.empty() && number.fraction.back() == '0') number.fraction.remove_suffix(1);
  }
  return number;
}

// Digit by digit, passing over the separators; both wholes have the same number of digits.
int CompareWholes(std::string_view a, std::string_view b) {
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i] == ',') {
      ++i;
    } else if (b[j] == ',') {
      ++j;
    } else if (a[i] != b[j]) {
      return a[i] < b[j] ? -1 : 1;
    } else {
      ++i;
      ++j;
    }
  }
  return 0;
}

int CompareNumbers(const Number& a, const Number& b) {
  if (a.whole_digits != b.whole_digits) return a.whole_digits < b.whole_digits ? -1 : 1;
  if (int order = CompareWholes(a.whole, b.whole)) return order;
  return Sign(a.fraction.compare(b.fraction));
}

int Compare(std::string_view a, std::string_view b, bool numbers_by_value) {
  size_t i = 0;
  size_t j = 0;
  // Both walks stand at character starts here: every earlier byte was equal or a whole number.
  while (i < a.size() && j < b.size()) {
    if (numbers_by_value && IsDigit(a[i]) && IsDigit(b[j])) {
      if (int order = CompareNumbers(ReadNumber(a, i), ReadNumber(b, j))) return order;
      continue;
    }
    const unsigned char x = a[i];
    const unsigned char y = b[j];
    if (x != y && Folded(x) != Folded(y)) return Folded(x) < Folded(y) ? -1 : 1;
    ++i;
    ++j;
    if (IsLeadByte(x) && x == y && i < a.size() && j < b.size()) {
      if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
      ++i;
      ++j;
    }
  }
  return (i < a.size()) - (j < b.size());
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  return Compare(a, b, false);
}

int CompareByValue(std::string_view a, std::string_view b) {
  return Compare(a, b, true);
}
