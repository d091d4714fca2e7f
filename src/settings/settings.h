#pragma once
// The settings record: the in-memory copy of every persistent option, filled by LoadSettings and
// read directly by the rest of the program. Texts are CP932 bytes.
#include <cstdint>
#include <string>

struct SettingsRecord {
  std::string settings_path;  // the dorirovo.ini in use
  std::string AutoScan;
  std::string MainFontType, ListFontType;
  std::string MainFontSize, ListFontSize;
  std::string LoadPath, SavePath;
  int ExtAVI = 1, ExtMPEG1 = 1, ExtASF = 1, ExtRM = 1, ExtWAVE = 1, ExtMPG2 = 1, ExtQT = 1;
  int MPGTIME = 1;
  int MPG4RATE = 1;
  int ListClear = 0;
  int SizeInfo = 0;
  std::string mvTitle;
  int Left = 64, Top = 64, Width = 320, Height = 240;  // start placement
  uint32_t MainColor = 0, ListFoColor = 0, ListBkColor = 0xffffff;  // colour references 0x00BBGGRR
};

// The one settings record of the run.
SettingsRecord& Settings();

// Locates the settings file and fills the record from it; a missing or unreadable file gives the defaults.
void LoadSettings();

// Tests: use this settings file instead of the located one and reset the record to its defaults.
void UseSettingsFileForTesting(const std::string& path);
