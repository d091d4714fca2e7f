#include "probe/probe_media_file.h"

#include "probe/container_sniff.h"
#include "probe/labelled_container.h"
#include "probe/media_info.h"

int ProbeMediaFile(const std::string& path, [[maybe_unused]] bool check_mode) {
  ClearMediaInfo();
  int check_result = 0;
  switch (ContainerType type = SniffContainer(path)) {
    case kContainerRealMedia:
    case kContainerQuickTime:
    case kContainerAsf:
      ReadLabelledContainer(type);
      break;
    default:
      break;
  }
  return check_result;
}
