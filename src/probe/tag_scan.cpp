#include "probe/tag_scan.h"

#include <algorithm>

TagValues ScanTags(std::string_view tail) {
  TagValues tags;
  size_t i = 0;
  while (i < tail.size()) {
    // Most of the tail is movie data or index entries: jump from one "I" to the next.
    i = tail.find('I', i);
    if (i == std::string_view::npos) break;
    std::string_view name = tail.substr(i + 1, 3);
    std::string* target = nullptr;
    if (name == "SBJ") target = &tags.title;
    if (name == "CMT") target = &tags.comment;
    if (name == "COP") target = &tags.creator;
    if (target == nullptr) {
      i += 1 + name.size();
      continue;
    }
    size_t value_start = std::min(tail.size(), i + 8);
    size_t zero = tail.find('\0', value_start);
    size_t value_end = zero == std::string_view::npos ? tail.size() : zero;
    target->assign(tail.substr(value_start, value_end - value_start));
    std::replace(target->begin(), target->end(), '\n', ' ');
    i = value_end + 1;
  }
  return tags;
}
