#include "probe/play_time.h"

#include "probe/media_info.h"
#include "probe/number_text.h"

void FormatPlayTime(int64_t seconds) {
  if (seconds < 0) {
    MediaInfo().play_time.clear();
    return;
  }
  MediaInfo().play_time = TwoDigitText(seconds / 60) + ":" + TwoDigitText(seconds % 60);
}
