#include "probe/play_time.h"

#include <cstdio>

#include "probe/media_info.h"

void FormatPlayTime(int64_t seconds) {
  if (seconds < 0) {
    MediaInfo().play_time.clear();
    return;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  MediaInfo().play_time = text;
}
