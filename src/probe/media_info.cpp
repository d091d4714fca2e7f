#include "probe/media_info.h"

MediaInfoRecord& MediaInfo() {
  // One record per thread, so that files can be probed on several threads at once.
  thread_local MediaInfoRecord record;
  return record;
}

void ClearMediaInfo() {
  MediaInfo() = MediaInfoRecord{};
}
