#include "probe/modern_media_name.h"

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

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lower[i]) return false;
  }
  return true;
}

}  // namespace

const ModernMediaKind* FindModernMediaKind(std::string_view name) {
  const size_t dot = name.find_last_of("./");
  if (dot == std::string_view::npos || name[dot] != '.') return nullptr;
  const std::string_view extension = name.substr(dot + 1);
  for (const ModernMediaKind& kind : kKinds) {
    for (const char* known : kind.extensions) {
      if (known && EqualsIgnoringAsciiCase(extension, known)) return &kind;
    }
  }
  return nullptr;
}
