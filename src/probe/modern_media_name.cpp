#include "probe/modern_media_name.h"

#include <string>

namespace {

constexpr ModernMediaKind kKinds[] = {
    {&SettingsRecord::ExtMP4, {"mp4", "m4v", "m4a"}},
    {&SettingsRecord::ExtMKV, {"mkv", "mka", "webm"}},
    {&SettingsRecord::ExtTS, {"ts", "m2ts", "mts"}},
    {&SettingsRecord::ExtFLV, {"flv"}},
    {&SettingsRecord::ExtOGG, {"ogg", "ogv", "oga", "opus"}},
    {&SettingsRecord::ExtAUDIO, {"mp3", "flac", "aac"}},
    {&SettingsRecord::ExtWM, {"wmv", "wma"}},
};

// The longest extension of the kinds above.
constexpr size_t kLongestExtension = 4;

constexpr bool NoExtensionIsLonger() {
  for (const ModernMediaKind& kind : kKinds) {
    for (const char* known : kind.extensions) {
      if (known && std::char_traits<char>::length(known) > kLongestExtension) return false;
    }
  }
  return true;
}
static_assert(NoExtensionIsLonger());

}  // namespace

const ModernMediaKind* FindModernMediaKind(std::string_view name) {
  // Every file of a scan passes here, twice: the extension is found from the end and lowered once.
  size_t dot = name.size();
  while (dot > 0 && name[dot - 1] != '.' && name[dot - 1] != '/') --dot;
  if (dot == 0 || name[dot - 1] != '.') return nullptr;
  const std::string_view extension = name.substr(dot);
  if (extension.size() > kLongestExtension) return nullptr;
  char lower[kLongestExtension];
  for (size_t i = 0; i < extension.size(); ++i) {
    const char c = extension[i];
    lower[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  // Byte by byte against each known extension, most of them left at their first byte.
  auto is = [&](const char* known) {
    size_t i = 0;
    while (i < extension.size() && known[i] == lower[i]) ++i;
    return i == extension.size() && known[i] == '\0';
  };
  for (const ModernMediaKind& kind : kKinds) {
    for (const char* known : kind.extensions) {
      if (known && is(known)) return &kind;
    }
  }
  return nullptr;
}
