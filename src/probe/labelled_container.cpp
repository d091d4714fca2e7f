#include "probe/labelled_container.h"

#include "probe/media_info.h"

void ReadLabelledContainer(ContainerType type) {
  ClearMediaInfo();
  MediaInfoRecord& info = MediaInfo();
  switch (type) {
    case kContainerRealMedia:
      info.video_format = "RealVideo";
      info.audio_format = "RealAudio";
      break;
    case kContainerQuickTime:
      info.video_format = "QuickTime";
      info.audio_format = "QuickTime";
      break;
    case kContainerAsf:
      info.video_format = "ASF";
      info.audio_format = "ASF";
      break;
    default:
      break;
  }
}
