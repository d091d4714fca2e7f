#pragma once
// The settings record: the in-memory copy of every persistent option, filled by LoadSettings and
// read directly by the rest of the program. Texts are CP932 bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The four sections of the settings file.
inline constexpr char kMainSeting[] = "MainSeting";
inline constexpr char kCustomize[] = "Customize";
inline constexpr char kWindowFonts[] = "WindowFonts";
inline constexpr char kHtmlSetting[] = "HtmlSetting";

struct SettingsRecord {
  std::string settings_path;  // the dorirovo.ini in use; a file-system path, not CP932 text
  std::string AutoScan;
  std::string MainFontType, ListFontType;
  std::string MainFontSize, ListFontSize;
  std::string LoadPath, SavePath;
  int ExtAVI = 1, ExtMPEG1 = 1, ExtASF = 1, ExtRM = 1, ExtWAVE = 1, ExtMPG2 = 1, ExtQT = 1;
  // The kinds read through libavformat (probe/modern_media_name.h), each listed only while its flag is 1.
  int ExtMP4 = 1, ExtMKV = 1, ExtTS = 1, ExtFLV = 1, ExtOGG = 1, ExtAUDIO = 1, ExtWM = 1;
  int MPGTIME = 1;
  int MPG4RATE = 1;
  int ListClear = 0;
  int SizeInfo = 0;
  std::string mvTitle;
  int Left = 64, Top = 64, Width = 320, Height = 240;               // start placement
  uint32_t MainColor = 0, ListFoColor = 0, ListBkColor = 0xffffff;  // colour references 0x00BBGGRR
};

// The one settings record of the run.
SettingsRecord& Settings();

// Locates the settings file and fills the record from it; a missing or unreadable file gives the defaults.
// Fills every field but the start placement and the colours. The working directory is left alone.
void LoadSettings();

// Reads MainColor, ListFoColor and ListBkColor from Customize into the record. Run when the list is created.
void LoadColors();

// The settings file in use: a dorirovo.ini beside the executable when there is one, else
// $XDG_CONFIG_HOME/tessaroll/dorirovo.ini (~/.config/tessaroll/dorirovo.ini when that is unset).
// Located on first use when LoadSettings has not run.
const std::string& SettingsFilePath();

// One key of the settings file in use, with the semantics of ProfileReadText, ProfileReadInt and
// ProfileWriteText (settings/profile_store.h). Writes return false when the change could not be stored.
std::string ReadSettingText(std::string_view section, std::string_view key, std::string_view default_value,
                            size_t capacity);
int ReadSettingInt(std::string_view section, std::string_view key, int default_value);
bool WriteSettingText(std::string_view section, std::string_view key, std::string_view value);
bool WriteSettingInt(std::string_view section, std::string_view key, int value);  // "%d"

// A colour text key (settings/color_text.h) read through a 32-byte field, and written as colour text.
uint32_t ReadSettingColor(std::string_view section, std::string_view key, std::string_view default_text);
bool WriteSettingColor(std::string_view section, std::string_view key, uint32_t color);

// Uses this settings file instead of the located one (the batch command's --settings; a missing file
// gives every default) and resets the record to its defaults; LoadSettings then reads it. An empty path
// goes back to locating the file.
void UseSettingsFile(const std::string& path);

// Tests: use this settings file instead of the located one and reset the record to its defaults. An empty
// path goes back to locating the file.
void UseSettingsFileForTesting(const std::string& path);
