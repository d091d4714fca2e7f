#include "scan/list_entry_builder.h"

#include <fcntl.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "list/list_model.h"
#include "list/text_utils.h"
#include "platform/cp932.h"
#include "platform/volume_label.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/modern_media_name.h"
#include "probe/probe_media_file.h"
#include "probe/tag_scan.h"
#include "scan/scan_progress.h"
#include "scan/size_cells.h"

namespace {

bool AnyShown(const ListEntryPlan& plan, std::initializer_list<int> columns) {
  return std::any_of(columns.begin(), columns.end(), [&](int column) { return plan.position[column] >= 0; });
}

// The whole tail in one read (from memory when the file is small): the tags sit in the last bytes and
// the movie data is never touched.
TagValues ReadTags(MediaFile& file) {
  const uint64_t tail_size = std::min<uint64_t>(file.size(), kTagScanBytes);
  char buffer[kTagScanBytes];
  return ScanTags(file.View(file.size() - tail_size, static_cast<size_t>(tail_size), buffer));
}

void TakeMediaCells(const MediaInfoRecord& info, ListEntry& entry) {
  entry.cells[kColVideoFormat] = info.video_format;
  entry.cells[kColAudioFormat] = info.audio_format;
  entry.cells[kColVideoRate] = info.video_rate;
  entry.cells[kColAudioRate] = info.audio_rate;
  entry.cells[kColFrameRate] = info.frame_rate;
  entry.cells[kColResolution] = info.picture_size;
  entry.cells[kColPlayTime] = info.play_time;
}

void TakeFileCells(MediaFile& file, const MediaInfoRecord& info, bool container_tags,
                   const ListEntryPlan& plan, ListEntry& entry) {
  entry.size = static_cast<int64_t>(file.size());
  const TagValues tags = container_tags ? TagValues{info.title, info.creator, info.comment} : ReadTags(file);
  const bool with_unit = plan.settings.SizeInfo == 1;
  entry.cells[kColSizeBytes] = SizeBytesCell(entry.size);
  entry.cells[kColSizeMB] = SizeMBCell(entry.size, with_unit);
  entry.cells[kColSizeKB] = SizeKBCell(entry.size, with_unit);
  entry.cells[kColTitle] = tags.title;
  entry.cells[kColCreator] = tags.creator;
  entry.cells[kColComment] = tags.comment;
}

}  // namespace

ListEntryPlan CurrentListEntryPlan() {
  ListEntryPlan plan;
  for (int column = 0; column < kColumnCount; ++column) plan.position[column] = ColumnPosition(column);
  plan.settings = Settings();
  plan.probe = CurrentProbeOptions();
  return plan;
}

ListEntry ReadListEntry(const std::string& path, const ListEntryPlan& plan, int folder_fd) {
  ListEntry entry;
  entry.path = path;
  const std::string name = PathFileName(path);
  entry.cells[kColFileName] = Utf8ToCp932(name);
  const bool file_shown =
      AnyShown(plan, {kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColCreator, kColComment});
  const bool media_shown = AnyShown(plan, {kColVideoFormat, kColAudioFormat, kColVideoRate, kColAudioRate,
                                           kColFrameRate, kColResolution, kColPlayTime});
  // The later kinds carry their tags in their headers, which the probe reads.
  const bool container_tags = FindModernMediaKind(path) != nullptr;
  const bool probe = media_shown || (container_tags && AnyShown(plan, {kColTitle, kColCreator, kColComment}));
  if (file_shown || media_shown) {
    // One open serves the size, the tags and the probe.
    MediaFile file(folder_fd >= 0 ? folder_fd : AT_FDCWD, folder_fd >= 0 ? name : path);
    if (file.is_open()) {
      MediaInfoRecord info;
      if (probe) {
        ProbeMediaFile(file, path, false, InstalledDecoders(), plan.probe);
        info = std::move(MediaInfo());  // the thread's record, which the next probe clears first
      }
      if (file_shown) TakeFileCells(file, info, container_tags, plan, entry);
      if (media_shown) TakeMediaCells(info, entry);
    }
  }
  entry.cells[kColFolder] = Utf8ToCp932(PathFolder(path));
  return entry;
}

int64_t CommitListEntry(const ListEntry& entry, const ListEntryPlan& plan, int index, int32_t key,
                        int progress_number) {
  ReportScanProgress(progress_number);
  // An index past the end appends, as the command line's counter can run ahead of the rows.
  const int row = std::clamp(index, 0, ListRowCount());
  // Display positions run below the column count; the list drops those past its columns.
  std::vector<std::string_view> cells(kColumnCount);
  cells[0] = entry.cells[kColFileName];
  auto place = [&](int column, std::string_view text) {
    const int position = plan.position[column];
    if (position >= 0 && position < kColumnCount) cells[position] = text;
  };
  for (int column = kColFileName + 1; column < kColumnCount; ++column) place(column, entry.cells[column]);
  std::string volume;
  if (plan.position[kColVolume] >= 0) {
    const std::string folder = PathFolder(entry.path);
    volume = Utf8ToCp932(VolumeLabel(folder.empty() ? "/" : folder));
    place(kColVolume, volume);
  }
  // The row comes whole, so a view redraws it once rather than once for each of its cells.
  ListInsertFilledRow(row, key, cells, entry.path);
  return entry.size;
}

int64_t BuildListEntry(const std::string& path, int row) {
  const ListEntryPlan plan = CurrentListEntryPlan();
  return CommitListEntry(ReadListEntry(path, plan), plan, row, ListRowCount(), row);
}
