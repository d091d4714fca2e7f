#include "probe/media_info.h"

MediaInfoRecord& MediaInfo() {
  static MediaInfoRecord record;
  return record;
}

void ClearMediaInfo() {
  MediaInfo() = MediaInfoRecord{};
}
