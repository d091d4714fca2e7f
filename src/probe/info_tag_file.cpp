#include "probe/info_tag_file.h"

#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/file_write.h"
#include "probe/avi_tail.h"
#include "probe/little_endian.h"

namespace {

InfoTagOutcome OutcomeOf(AviTailStatus status, int error_number) {
  switch (status) {
    case AviTailStatus::kFound:
      return InfoTagOutcome::kWritten;
    case AviTailStatus::kCannotRead:
      return error_number == ENOENT ? InfoTagOutcome::kMissingFile : InfoTagOutcome::kCannotRead;
    case AviTailStatus::kNotRiffAvi:
      return InfoTagOutcome::kNotRiffAvi;
    case AviTailStatus::kNotAtFileEnd:
      return InfoTagOutcome::kNotAtFileEnd;
    case AviTailStatus::kNoIndex:
      return InfoTagOutcome::kNoIndex;
    case AviTailStatus::kDamagedHeader:
      return InfoTagOutcome::kDamagedHeader;
    case AviTailStatus::kTailTooLarge:
      return InfoTagOutcome::kTooLarge;
  }
  return InfoTagOutcome::kCannotRead;
}

}  // namespace

InfoTagResult WriteInfoTagsToFile(const std::string& path, const InfoTagEdit& edit) {
  AviTail tail = LocateAviTail(path);
  if (tail.status != AviTailStatus::kFound) {
    return InfoTagResult{OutcomeOf(tail.status, tail.error_number), tail.error_number};
  }
  const InfoTags tags{edit.title.value_or(tail.info_tags.title),
                      edit.creator.value_or(tail.info_tags.creator),
                      edit.comment.value_or(tail.info_tags.comment)};
  std::string new_tail = RenderInfoList(tags);
  new_tail.append(tail.kept_bytes);
  // The kept bytes end where the RIFF chunk ended before, so the chunks among them read as they did.
  const uint64_t riff_size = tail.list_offset + new_tail.size() - 8;
  if (riff_size > UINT32_MAX) return InfoTagResult{InfoTagOutcome::kTooLarge, 0};
  if (riff_size & 1) new_tail.push_back('\0');  // the pad byte of an odd-sized chunk
  const uint64_t new_length = tail.list_offset + new_tail.size();

  std::string size_field;
  AppendLe32(size_field, static_cast<uint32_t>(riff_size));
  const std::vector<FilePatch> patches = {{4, std::move(size_field)},
                                          {tail.list_offset, std::move(new_tail)}};
  WriteResult written = PatchFileInPlace(path, patches, new_length, &tail.version);
  if (written.changed_meanwhile) return InfoTagResult{InfoTagOutcome::kChangedMeanwhile, 0};
  if (!written.ok) return InfoTagResult{InfoTagOutcome::kWriteRefused, written.error_number};
  return {};
}

const char* InfoTagOutcomeText(InfoTagOutcome outcome) {
  switch (outcome) {
    case InfoTagOutcome::kWritten:
      return "tags written";
    case InfoTagOutcome::kMissingFile:
      return "no such file";
    case InfoTagOutcome::kNotAviName:
      return "not an .avi name";
    case InfoTagOutcome::kNotRiffAvi:
      return "not a RIFF AVI file";
    case InfoTagOutcome::kNotAtFileEnd:
      return "data follows the RIFF chunk (large AVI with several RIFF chunks?)";
    case InfoTagOutcome::kNoIndex:
      return "no idx1 index chunk";
    case InfoTagOutcome::kDamagedHeader:
      return "the header chunks overlap or leave gaps (damaged file)";
    case InfoTagOutcome::kTooLarge:
      return "too much data after the idx1 index chunk, or too large for its RIFF size";
    case InfoTagOutcome::kCannotRead:
      return "cannot read the file";
    case InfoTagOutcome::kChangedMeanwhile:
      return "the file changed while it was being read; it was left as it is";
    case InfoTagOutcome::kWriteRefused:
      return "the write failed; the file is unchanged";
  }
  return "";
}
