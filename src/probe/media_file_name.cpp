#include "probe/media_file_name.h"

#include "probe/modern_media_name.h"
#include "settings/settings.h"

namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

int IsMediaFileName(const std::string& name) {
  return IsMediaFileName(name, Settings());
}

int IsMediaFileName(const std::string& name, const SettingsRecord& settings) {
  if (name.size() < 3) return 0;
  std::string ending = name.substr(name.size() - 3);
  for (char& c : ending) c = AsciiUpper(c);
  const struct {
    const char* ending;
    int flag;
  } kEndings[] = {
      {"AVI", settings.ExtAVI}, {"MPG", settings.ExtMPEG1}, {".RM", settings.ExtRM},
      {"ASF", settings.ExtASF}, {"WAV", settings.ExtWAVE},  {"MOV", settings.ExtQT},
  };
  for (const auto& entry : kEndings) {
    if (ending == entry.ending) return entry.flag == 1 ? 1 : 0;
  }
  const ModernMediaKind* kind = FindModernMediaKind(name);
  return kind && settings.*kind->flag == 1 ? 1 : 0;
}
