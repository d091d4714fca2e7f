#include "settings/settings.h"

#include <cstdlib>

#include "platform/cp932.h"
#include "settings/color_text.h"
#include "settings/profile_store.h"
#include "settings/settings_location.h"

namespace {

// Field sizes of the record's texts; values read into them keep at most one byte less.
constexpr size_t kAutoScanSize = 256;
constexpr size_t kFontTypeSize = 32;
constexpr size_t kFontSizeSize = 4;
constexpr size_t kPathSize = 128;
constexpr size_t kTitleSize = 128;
constexpr size_t kColorTextSize = 32;

struct SettingsState {
  SettingsRecord record;
  bool path_fixed = false;  // UseSettingsFile named the file; LoadSettings does not locate it again
};

SettingsState& State() {
  static SettingsState state;
  return state;
}

std::string LocateSettingsFile() {
  const char* xdg_config_home = std::getenv("XDG_CONFIG_HOME");
  return SettingsFileLocation(ExecutableFolder(), xdg_config_home ? xdg_config_home : "", HomeFolder());
}

std::string DefaultAutoScanFolder() {
  std::string home = HomeFolder();
  return Utf8ToCp932(home.empty() ? "/" : home);
}

}  // namespace

SettingsRecord& Settings() {
  return State().record;
}

const std::string& SettingsFilePath() {
  std::string& path = Settings().settings_path;
  if (path.empty()) path = LocateSettingsFile();
  return path;
}

void LoadSettings() {
  static const std::string kDefaultFace = Utf8ToCp932("ＭＳ Ｐゴシック");
  SettingsRecord& s = Settings();
  if (!State().path_fixed) s.settings_path = LocateSettingsFile();
  s.AutoScan = ReadSettingText(kCustomize, "AutoScan", DefaultAutoScanFolder(), kAutoScanSize);
  s.MainFontType = ReadSettingText(kWindowFonts, "MainFontType", kDefaultFace, kFontTypeSize);
  s.ListFontType = ReadSettingText(kWindowFonts, "ListFontType", kDefaultFace, kFontTypeSize);
  s.MainFontSize = ReadSettingText(kWindowFonts, "MainFontSize", "12", kFontSizeSize);
  s.ListFontSize = ReadSettingText(kWindowFonts, "ListFontSize", "12", kFontSizeSize);
  s.LoadPath = ReadSettingText(kMainSeting, "LoadPath", "", kPathSize);
  s.SavePath = ReadSettingText(kMainSeting, "SavePath", "", kPathSize);
  s.ExtAVI = ReadSettingInt(kMainSeting, "ExtAVI", 1);
  s.ExtMPEG1 = ReadSettingInt(kMainSeting, "ExtMPEG1", 1);
  s.ExtASF = ReadSettingInt(kMainSeting, "ExtASF", 1);
  s.ExtRM = ReadSettingInt(kMainSeting, "ExtRM", 1);
  s.ExtWAVE = ReadSettingInt(kMainSeting, "ExtWAVE", 1);
  s.MPGTIME = ReadSettingInt(kMainSeting, "MPGTIME", 1);
  s.MPG4RATE = ReadSettingInt(kMainSeting, "MPG4RATE", 1);
  s.ExtMPG2 = ReadSettingInt(kMainSeting, "ExtMPG2", 1);
  s.ExtQT = ReadSettingInt(kMainSeting, "ExtQT", 1);
  s.ExtMP4 = ReadSettingInt(kMainSeting, "ExtMP4", 1);
  s.ExtMKV = ReadSettingInt(kMainSeting, "ExtMKV", 1);
  s.ExtTS = ReadSettingInt(kMainSeting, "ExtTS", 1);
  s.ExtFLV = ReadSettingInt(kMainSeting, "ExtFLV", 1);
  s.ExtOGG = ReadSettingInt(kMainSeting, "ExtOGG", 1);
  s.ExtAUDIO = ReadSettingInt(kMainSeting, "ExtAUDIO", 1);
  s.ExtWM = ReadSettingInt(kMainSeting, "ExtWM", 1);
  s.ListClear = ReadSettingInt(kCustomize, "ListClear", 0);
  s.SizeInfo = ReadSettingInt(kCustomize, "SizeInfo", 0);
  s.mvTitle = ReadSettingText(kMainSeting, "mvTitle", "Tessaroll", kTitleSize);
}

void LoadColors() {
  SettingsRecord& s = Settings();
  s.MainColor = ReadSettingColor(kCustomize, "MainColor", "0");
  s.ListFoColor = ReadSettingColor(kCustomize, "ListFoColor", "0");
  s.ListBkColor = ReadSettingColor(kCustomize, "ListBkColor", "0xffffff");
}

std::string ReadSettingText(std::string_view section, std::string_view key, std::string_view default_value,
                            size_t capacity) {
  return ProfileReadText(section, key, default_value, capacity, SettingsFilePath());
}

int ReadSettingInt(std::string_view section, std::string_view key, int default_value) {
  return ProfileReadInt(section, key, default_value, SettingsFilePath());
}

bool WriteSettingText(std::string_view section, std::string_view key, std::string_view value) {
  return ProfileWriteText(section, key, value, SettingsFilePath());
}

bool WriteSettingInt(std::string_view section, std::string_view key, int value) {
  return WriteSettingText(section, key, std::to_string(value));
}

uint32_t ReadSettingColor(std::string_view section, std::string_view key, std::string_view default_text) {
  return ParseColorText(ReadSettingText(section, key, default_text, kColorTextSize));
}

bool WriteSettingColor(std::string_view section, std::string_view key, uint32_t color) {
  return WriteSettingText(section, key, FormatColorText(color));
}

void UseSettingsFile(const std::string& path) {
  SettingsState& state = State();
  state = SettingsState{};
  state.record.settings_path = path;
  state.path_fixed = !path.empty();
}

void UseSettingsFileForTesting(const std::string& path) {
  UseSettingsFile(path);
}
