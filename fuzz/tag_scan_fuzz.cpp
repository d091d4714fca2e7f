// The tag scan of a file's last bytes: any bytes give values without zero bytes or line feeds, each a
// run of bytes that the tail holds.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "probe/tag_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view tail(reinterpret_cast<const char*>(data), size);
  TagValues tags = ScanTags(tail.substr(tail.size() > kTagScanBytes ? tail.size() - kTagScanBytes : 0));
  for (const std::string& value : {tags.title, tags.creator, tags.comment}) {
    if (value.find('\0') != std::string::npos || value.find('\n') != std::string::npos ||
        value.size() > kTagScanBytes) {
      std::fprintf(stderr, "tag scan: value holds a zero byte or line feed, or is longer than the tail\n");
      std::abort();
    }
  }
  return 0;
}
