#include "probe/probe_media_file.h"

#include "list/columns.h"
#include "platform/av_library.h"
#include "probe/av_media_reader.h"
#include "probe/container_sniff.h"
#include "probe/labelled_container.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/modern_media_name.h"
#include "probe/mpeg_reader.h"
#include "probe/riff_media.h"
#include "settings/settings.h"

ProbeOptions CurrentProbeOptions() {
  return {Settings().MPGTIME == 1, Columns().shown[kColPlayTime] == 1, Settings().MPG4RATE == 1};
}

int ProbeMediaFile(const std::string& path, bool check_mode, const DecoderQuery& decoders) {
  MediaFile file(path);
  return ProbeMediaFile(file, path, check_mode, decoders);
}

int ProbeMediaFile(MediaFile& file, const std::string& path, bool check_mode, const DecoderQuery& decoders,
                   const ProbeOptions& options) {
  ClearMediaInfo();
  // The later kinds are told by name, so a file of the original kinds is read as it always was whatever
  // its bytes; libavformat then tells such a file's container from its content. Without the libraries
  // such a file is read as the original kinds are (a .wmv is still an ASF file).
  if (FindModernMediaKind(path) && AvLibrary()) return ReadAvMedia(file, path, check_mode, decoders);
  switch (ContainerType type = SniffContainerBytes(file.Head())) {
    case kContainerRiff:
      return ReadRiffMedia(file, check_mode, decoders, options.mpeg4_rate);
    case kContainerMpeg1:
      ReadMpegSystem(file, path, options);
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
