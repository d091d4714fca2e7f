#include "probe/info_tag_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <vector>

#include "platform/file_write.h"
#include "probe/avi_tail.h"
#include "probe/little_endian.h"
#include "probe/tag_scan.h"

namespace {

InfoTagOutcome OutcomeOf(AviTailStatus status, int error_number) {
  switch (status) {
    case AviTailStatus::kFound:
      return InfoTagOutcome::kWritten;
    case AviTailStatus::kCannotRead:
      if (error_number == ENOENT) return InfoTagOutcome::kMissingFile;
      // The open refuses anything but a regular file with EISDIR or EINVAL.
      if (error_number == EISDIR || error_number == EINVAL) return InfoTagOutcome::kNotRegularFile;
      return InfoTagOutcome::kCannotRead;
    case AviTailStatus::kNotRiffAvi:
      return InfoTagOutcome::kNotRiffAvi;
    case AviTailStatus::kNotAtFileEnd:
      return InfoTagOutcome::kNotAtFileEnd;
    case AviTailStatus::kCutShort:
      return InfoTagOutcome::kCutShort;
    case AviTailStatus::kNoIndex:
      return InfoTagOutcome::kNoIndex;
    case AviTailStatus::kDamagedHeader:
      return InfoTagOutcome::kDamagedHeader;
    case AviTailStatus::kTailTooLarge:
      return InfoTagOutcome::kTooLarge;
  }
  return InfoTagOutcome::kCannotRead;
}

// The texts as a listing shows them: the scan turns line feeds into blanks.
InfoTags AsListed(InfoTags tags) {
  for (std::string* text : {&tags.title, &tags.creator, &tags.comment}) {
    std::replace(text->begin(), text->end(), '\n', ' ');
  }
  return tags;
}

InfoTags Listed(std::string_view scanned_bytes) {
  const TagValues values = ScanTags(scanned_bytes);
  return InfoTags{values.title, values.creator, values.comment};
}

struct PreparedWrite {
  InfoTagPlan plan;
  AviTail tail;
  std::string new_tail;  // from the list's place to the new end of the file
  uint32_t riff_size = 0;
};

PreparedWrite Prepare(const std::string& path, const InfoTagEdit& edit) {
  PreparedWrite prepared;
  InfoTagPlan& plan = prepared.plan;
  AviTail& tail = prepared.tail;
  tail = LocateAviTail(path);
  if (tail.status != AviTailStatus::kFound) {
    plan.result = InfoTagResult{OutcomeOf(tail.status, tail.error_number), tail.error_number};
    return prepared;
  }
  const InfoList& old = tail.info_list;
  if (tail.has_info_list && !old.whole) {
    plan.result.outcome = InfoTagOutcome::kDamagedInfoList;
    return prepared;
  }
  plan.shown = Listed(tail.scanned_bytes);
  plan.written = InfoTags{edit.title.value_or(old.tags.title), edit.creator.value_or(old.tags.creator),
                          edit.comment.value_or(old.tags.comment)};
  plan.changes = AsListed(plan.written) != plan.shown;

  std::string& new_tail = prepared.new_tail;
  new_tail = RenderInfoList(plan.written, old.other_sub_chunks);
  new_tail.append(tail.kept_bytes);
  // The kept bytes end where the RIFF chunk ended before, so the chunks among them read as they did.
  const uint64_t riff_size = tail.list_offset + new_tail.size() - 8;
  if (riff_size > UINT32_MAX) {
    plan.result.outcome = InfoTagOutcome::kTooLarge;
    return prepared;
  }
  prepared.riff_size = static_cast<uint32_t>(riff_size);
  if (riff_size & 1) new_tail.push_back('\0');  // the pad byte of an odd-sized chunk

  // What a listing will scan afterwards must give back exactly what is written.
  const std::string ending = tail.bytes_before_list + new_tail;
  const std::string_view scanned =
      std::string_view(ending).substr(ending.size() > kTagScanBytes ? ending.size() - kTagScanBytes : 0);
  if (Listed(scanned) != AsListed(plan.written)) plan.result.outcome = InfoTagOutcome::kNotReadBack;
  return prepared;
}

}  // namespace

InfoTagPlan PlanInfoTagWrite(const std::string& path, const InfoTagEdit& edit) {
  return Prepare(path, edit).plan;
}

InfoTagResult WriteInfoTagsToFile(const std::string& path, const InfoTagEdit& edit,
                                  const InfoTagWriteOptions& options) {
  PreparedWrite prepared = Prepare(path, edit);
  if (prepared.plan.result.outcome != InfoTagOutcome::kWritten) return prepared.plan.result;
  if (options.only_changed && !prepared.plan.changes) return InfoTagResult{InfoTagOutcome::kUnchanged, 0};

  const AviTail& tail = prepared.tail;
  const uint64_t new_length = tail.list_offset + prepared.new_tail.size();
  std::string size_field;
  AppendLe32(size_field, prepared.riff_size);
  const std::vector<FilePatch> patches = {{tail.list_offset, std::move(prepared.new_tail)},
                                          {4, std::move(size_field)}};
  WriteResult written =
      PatchFileInPlace(path, patches, new_length, &tail.version, options.keep_modified_time);
  if (written.ok) return {};
  if (written.changed_meanwhile) return InfoTagResult{InfoTagOutcome::kChangedMeanwhile, 0};
  if (written.what == "journal") return InfoTagResult{InfoTagOutcome::kNoUndoRecord, written.error_number};
  return InfoTagResult{InfoTagOutcome::kWriteRefused, written.error_number};
}

const char* InfoTagOutcomeText(InfoTagOutcome outcome) {
  switch (outcome) {
    case InfoTagOutcome::kWritten:
      return "tags written";
    case InfoTagOutcome::kUnchanged:
      return "the file already holds these tags";
    case InfoTagOutcome::kMissingFile:
      return "no such file";
    case InfoTagOutcome::kNotRegularFile:
      return "not a regular file";
    case InfoTagOutcome::kAmbiguousName:
      return "several files in the folder have names that read as the row's name";
    case InfoTagOutcome::kMisalignedLine:
      return "its list file line did not line up with the header, so it names no file for sure";
    case InfoTagOutcome::kNotAviName:
      return "not an .avi name";
    case InfoTagOutcome::kNotRiffAvi:
      return "not a RIFF AVI file";
    case InfoTagOutcome::kNotAtFileEnd:
      return "data follows the RIFF chunk (large AVI with several RIFF chunks?)";
    case InfoTagOutcome::kCutShort:
      return "the file is cut short or damaged (its RIFF size runs past its end)";
    case InfoTagOutcome::kNoIndex:
      return "no idx1 index chunk";
    case InfoTagOutcome::kDamagedHeader:
      return "the header chunks overlap or leave gaps (damaged file)";
    case InfoTagOutcome::kDamagedInfoList:
      return "the INFO list after the idx1 index chunk is damaged";
    case InfoTagOutcome::kTooLarge:
      return "too much data after the idx1 index chunk, or too large for its RIFF size";
    case InfoTagOutcome::kNotReadBack:
      return "the tags would not all lie within the file's last 1024 bytes, where a listing reads them "
             "(too long, or chunks follow the index)";
    case InfoTagOutcome::kSameFile:
      return "several rows name this file with different tags";
    case InfoTagOutcome::kCannotRead:
      return "cannot read the file";
    case InfoTagOutcome::kNoUndoRecord:
      return "cannot record how to undo the write; the file is unchanged";
    case InfoTagOutcome::kChangedMeanwhile:
      return "the file changed meanwhile; it was left as it was";
    case InfoTagOutcome::kWriteRefused:
      return "the write failed; the file is unchanged";
    case InfoTagOutcome::kStopped:
      return "stopped before this file was written";
  }
  return "";
}
