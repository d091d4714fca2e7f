// The settings store on an arbitrary settings file: reading every key of the record never fails, and
// setting a key keeps the content readable with that key's new value and every other line intact.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_file.h"
#include "settings/profile_store.h"
#include "settings/profile_text.h"
#include "settings/settings.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "settings store: %s\n", what);
  std::abort();
}

// The value to store is taken from the input's last line, so the fuzzer controls it too.
std::string_view ValueFrom(std::string_view content) {
  size_t newline = content.find_last_of("\r\n");
  std::string_view value = newline == std::string_view::npos ? content : content.substr(newline + 1);
  return value.substr(0, value.find('\0'));
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string file = FuzzFilePath("dorirovo.ini");
  WriteFuzzFile(file, data, size);
  UseSettingsFileForTesting(file);
  LoadSettings();
  LoadColors();

  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::string_view value = ValueFrom(content);
  for (std::string_view section : {kMainSeting, kCustomize, kWindowFonts, kHtmlSetting}) {
    for (std::string_view key : {"LoadPath", "MainColor", "ListFontType", "Junle"}) {
      std::string changed = ProfileWithEntry(content, section, key, value);
      bool storable = IsStorableProfileEntry(section, key, value);
      if (!storable) continue;
      ProfileEntry entry = FindProfileEntry(changed, section, key);
      bool trimmed = value.empty() || (!IsBlank(value.front()) && !IsBlank(value.back()));
      if (!entry.key_found) Fail("a stored key is not found again");
      if (trimmed && entry.value != value) Fail("a stored value reads back different");
    }
  }

  // The write itself, through the file: either the key reads back or the file is unchanged.
  const std::string stored(value.substr(0, 200));
  if (ProfileWriteText(kCustomize, "AutoScan", stored, file)) {
    std::string read_back = ProfileReadText(kCustomize, "AutoScan", "", 256, file);
    bool quoted = stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') &&
                  stored.back() == stored.front();
    bool trimmed = stored.empty() || (!IsBlank(stored.front()) && !IsBlank(stored.back()));
    if (!quoted && trimmed && read_back != stored) Fail("a written key reads back different");
  } else if (ReadFuzzFile(file) != content) {
    Fail("a refused write changed the file");
  }
  UseSettingsFileForTesting("");
  return 0;
}
