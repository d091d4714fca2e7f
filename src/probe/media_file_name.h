#pragma once
// Which files are listed, from the name alone.
#include <string>

// 1 when the last three bytes of the name are, ignoring ASCII letter case, "AVI", "MPG", ".RM", "ASF",
// "WAV" or "MOV" and that type's scan filter flag in the settings record (ExtAVI, ExtMPEG1, ExtRM,
// ExtASF, ExtWAVE, ExtQT) is on; else 0. No dot is needed before the letters ("bravi" passes), and
// ExtMPG2 plays no part: "MPG" names follow ExtMPEG1 alone. Otherwise 1 when the name has the extension
// of a kind read through libavformat (probe/modern_media_name.h) and that kind's flag is on.
int IsMediaFileName(const std::string& name);

struct SettingsRecord;
// The same with the flags of the given record, for a walk on a thread that must not read the settings
// record of the run.
int IsMediaFileName(const std::string& name, const SettingsRecord& settings);
