#include "list/cell_compare.h"

#include <string>

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

// A decimal number as digit texts: the whole part without leading zeros, the fraction without
// trailing zeros, so equal values have equal texts whatever their digit counts.
struct Number {
  std::string whole;
  std::string fraction;
};

Number ReadNumber(std::string_view text, size_t& at) {
  Number number;
  for (; at < text.size(); ++at) {
    if (IsDigit(text[at])) {
      if (!(number.whole.empty() && text[at] == '0')) number.whole += text[at];
    } else if (!(text[at] == ',' && at + 1 < text.size() && IsDigit(text[at + 1]))) {
      break;
    }
  }
  if (at + 1 < text.size() && text[at] == '.' && IsDigit(text[at + 1])) {
    for (++at; at < text.size() && IsDigit(text[at]); ++at) number.fraction += text[at];
    while (!number.fraction.empty() && number.fraction.back() == '0') number.fraction.pop_back();
  }
  return number;
}

int CompareNumbers(const Number& a, const Number& b) {
  if (a.whole.size() != b.whole.size()) return a.whole.size() < b.whole.size() ? -1 : 1;
  if (int order = Sign(a.whole.compare(b.whole))) return order;
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
