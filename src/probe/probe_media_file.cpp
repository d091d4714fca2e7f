#include "probe/probe_media_file.h"

#include "probe/container_sniff.h"
#include "probe/labelled_container.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/mpeg_reader.h"
#include "probe/riff_media.h"

int ProbeMediaFile(const std::string& path, bool check_mode, const DecoderQuery& decoders) {
  MediaFile file(path);
  return ProbeMediaFile(file, path, check_mode, decoders);
}

int ProbeMediaFile(MediaFile& file, const std::string& path, bool check_mode, const DecoderQuery& decoders) {
  ClearMediaInfo();
  switch (ContainerType type = SniffContainerBytes(file.Head())) {
    case kContainerRiff:
      return ReadRiffMedia(file, check_mode, decoders);
    case kContainerMpeg1:
      ReadMpegSystem(file, path);
      return 0;
    case kContainerRealMedia:
    case kContainerQuickTime:
    case kContainerAsf:
      ReadLabelledContainer(type);
      return 0;
    default:
      return 0;
  }
}
