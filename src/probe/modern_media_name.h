#pragma once
// The kinds of file beyond AVI, MPEG-1, RealMedia, ASF, WAVE and QuickTime: today's containers and sound
// files, read through libavformat. Each kind has its own scan filter flag in the settings record.
#include <string_view>

#include "settings/settings.h"

struct ModernMediaKind {
  int SettingsRecord::*flag;  // ExtMP4, ExtMKV, ExtTS, ExtFLV, ExtOGG, ExtAUDIO or ExtWM
  const char* extensions[4];  // lower case, without the dot; unused places are nullptr
};

// The kind of a name by the extension after its last dot (any letter case), whatever the flags say;
// nullptr when the name has no such extension. The last three bytes of such a name never equal one of
// the endings IsMediaFileName tests first, so a name belongs to one family only.
const ModernMediaKind* FindModernMediaKind(std::string_view name);
