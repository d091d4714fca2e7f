#include "list/text_utils.h"

#include <sys/stat.h>

#include <algorithm>

namespace {

// The part of [begin, begin + count) that lies inside a text of `size` bytes, as a substring.
std::string Slice(std::string_view text, long long begin, long long count) {
  const long long size = static_cast<long long>(text.size());
  const long long first = std::clamp(begin, 0LL, size);
  const long long last = std::clamp(begin + std::max(count, 0LL), 0LL, size);
  if (last <= first) return {};
  return std::string(text.substr(static_cast<size_t>(first), static_cast<size_t>(last - first)));
}

}  // namespace

std::string TextLeft(std::string_view text, int n) {
  return Slice(text, 0, n);
}

std::string TextRight(std::string_view text, int n) {
  const long long count = std::clamp<long long>(n, 0, static_cast<long long>(text.size()));
  return Slice(text, static_cast<long long>(text.size()) - count, count);
}

std::string TextMid(std::string_view text, int start, int n) {
  return Slice(text, static_cast<long long>(start) - 1, n);
}

std::string PathFolder(std::string_view path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return std::string(path.substr(0, slash));
}

std::string PathFileName(std::string_view path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return std::string(path);
  return std::string(path.substr(slash + 1));
}

std::string ResolveFileName(const std::string& path) {
  struct stat info;
  // Linux names are exact, so the listed name is the given one whenever the entry exists.
  const std::string name = lstat(path.c_str(), &info) == 0 ? PathFileName(path) : std::string();
  if (path.find('/') == std::string::npos) return name;
  return PathFolder(path) + "/" + name;
}

std::string GroupThousands(std::string_view text) {
  std::string grouped;
  const size_t first_group = text.size() % 3 == 0 ? 3 : text.size() % 3;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i >= first_group && (i - first_group) % 3 == 0) grouped += ',';
    grouped += text[i];
  }
  return grouped;
}
