// The AVI tag writer on an arbitrary file: afterwards the file is either byte for byte as before, or a
// RIFF AVI file that the RIFF chunk ends (with a pad byte when its size is odd), whose bytes up to the
// end of idx1 are as before (but for that size), which reads back the written tags and keeps every byte
// that followed them, and whose streams read the same.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_file.h"
#include "platform/byte_cursor.h"
#include "probe/avi_tail.h"
#include "probe/info_tag_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "probe/tag_scan.h"

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "tag writer: %s\n", what);
  std::abort();
}

bool SameMediaInfo(const MediaInfoRecord& a, const MediaInfoRecord& b) {
  const auto texts_a = MediaTexts(a), texts_b = MediaTexts(b);
  return std::equal(texts_a.begin(), texts_a.end(), texts_b.begin(),
                    [](const std::string* x, const std::string* y) { return *x == *y; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = FuzzFilePath("x.avi");
  const std::string before(reinterpret_cast<const char*>(data), size);
  WriteFuzzFile(path, data, size);
  const AviTail old_tail = LocateAviTail(path);
  const int old_check = ProbeMediaFile(path, false);
  const MediaInfoRecord old_info = MediaInfo();

  // Odd inputs keep the old comment, so that both a given and a kept text are exercised.
  InfoTagEdit edit{std::string("Title"), std::string(size % 3, 'c'), std::nullopt};
  if (size % 2 == 0) edit.comment = "";
  const InfoTagResult result = WriteInfoTagsToFile(path, edit);
  const std::string after = ReadFuzzFile(path);

  if (result.outcome != InfoTagOutcome::kWritten) {
    if (after != before) Fail("a refused write changed the file");
    return 0;
  }
  if (old_tail.result.outcome != InfoTagOutcome::kWritten) Fail("wrote a file whose tail was not found");
  ByteCursor header(after);
  const bool riff = header.FourCC() == "RIFF";
  const uint64_t riff_size = header.Le32();
  const bool avi = header.FourCC() == "AVI ";
  if (!header.ok() || !riff || !avi || riff_size + 8 + (riff_size & 1) != after.size() ||
      (riff_size & 1 && after.back() != '\0')) {
    Fail("the result is not one RIFF AVI chunk");
  }
  const size_t list_offset = static_cast<size_t>(old_tail.list_offset);
  if (after.compare(0, 4, before, 0, 4) != 0 ||
      after.compare(8, list_offset - 8, before, 8, list_offset - 8) != 0) {
    Fail("bytes before the INFO list changed");
  }
  const AviTail new_tail = LocateAviTail(path);
  if (new_tail.result.outcome != InfoTagOutcome::kWritten || new_tail.list_offset != old_tail.list_offset) {
    Fail("the written file has no tail after idx1");
  }
  if (new_tail.info_list.tags.title != *edit.title || new_tail.info_list.tags.creator != *edit.creator ||
      new_tail.info_list.tags.comment != edit.comment.value_or(old_tail.info_list.tags.comment)) {
    Fail("the tags do not read back");
  }
  const TagValues listed =
      ScanTags(std::string_view(after).substr(after.size() - std::min(after.size(), kTagScanBytes)));
  if (listed.title != new_tail.info_list.tags.title || listed.creator != new_tail.info_list.tags.creator) {
    Fail("a listing does not show the written tags");
  }
  if (!std::string_view(after).substr(0, riff_size + 8).ends_with(old_tail.kept_bytes)) {
    Fail("the bytes after the old list were not kept");
  }
  const int new_check = ProbeMediaFile(path, false);
  if (new_check != old_check || !SameMediaInfo(MediaInfo(), old_info)) Fail("the streams read differently");
  return 0;
}
