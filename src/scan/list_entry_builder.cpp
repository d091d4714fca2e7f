#include "scan/list_entry_builder.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "list/columns.h"
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
#include "settings/settings.h"

namespace {

bool AnyShown(std::initializer_list<int> columns) {
  for (int column : columns) {
    if (ColumnPosition(column) >= 0) return true;
  }
  return false;
}

void SetShownCell(int row, int column, const std::string& text) {
  int position = ColumnPosition(column);
  if (position >= 0) ListSetCell(row, position, text);
}

// The whole tail in one read (from memory when the file is small): the tags sit in the last bytes and
// the movie data is never touched.
TagValues ReadTags(MediaFile& file) {
  const uint64_t tail_size = std::min<uint64_t>(file.size(), kTagScanBytes);
  char buffer[kTagScanBytes];
  return ScanTags(file.View(file.size() - tail_size, static_cast<size_t>(tail_size), buffer));
}

TagValues ContainerTags() {
  const MediaInfoRecord& info = MediaInfo();
  return {info.title, info.creator, info.comment};
}

void FillMediaCells(int row) {
  const MediaInfoRecord& info = MediaInfo();
  SetShownCell(row, kColVideoFormat, info.video_format);
  SetShownCell(row, kColAudioFormat, info.audio_format);
  SetShownCell(row, kColVideoRate, info.video_rate);
  SetShownCell(row, kColAudioRate, info.audio_rate);
  SetShownCell(row, kColFrameRate, info.frame_rate);
  SetShownCell(row, kColResolution, info.picture_size);
  SetShownCell(row, kColPlayTime, info.play_time);
}

}  // namespace

int64_t BuildListEntryWithKey(const std::string& path, int index, int32_t key, int progress_number) {
  ReportScanProgress(progress_number);
  // An index past the end appends, as the command line's counter can run ahead of the rows.
  const int row = std::clamp(index, 0, ListRowCount());
  ListInsertRow(row, key, Utf8ToCp932(PathFileName(path)));
  ListSetRowPath(row, path);

  const bool file_shown =
      AnyShown({kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColCreator, kColComment});
  const bool media_shown = AnyShown({kColVideoFormat, kColAudioFormat, kColVideoRate, kColAudioRate,
                                     kColFrameRate, kColResolution, kColPlayTime});
  // The later kinds carry their tags in their headers, which the probe reads.
  const bool container_tags = FindModernMediaKind(path) != nullptr;
  const bool probe = media_shown || (container_tags && AnyShown({kColTitle, kColCreator, kColComment}));
  // One open serves the size, the tags and the probe.
  std::optional<MediaFile> file;
  if (file_shown || media_shown) file.emplace(path);
  const bool opened = file && file->is_open();
  if (opened && probe) ProbeMediaFile(*file, path, false);
  int64_t size = 0;
  if (opened && file_shown) {
    size = static_cast<int64_t>(file->size());
    const TagValues tags = container_tags ? ContainerTags() : ReadTags(*file);
    bool with_unit = Settings().SizeInfo == 1;
    SetShownCell(row, kColSizeBytes, SizeBytesCell(size));
    SetShownCell(row, kColSizeMB, SizeMBCell(size, with_unit));
    SetShownCell(row, kColSizeKB, SizeKBCell(size, with_unit));
    SetShownCell(row, kColTitle, tags.title);
    SetShownCell(row, kColCreator, tags.creator);
    SetShownCell(row, kColComment, tags.comment);
  }
  if (opened && media_shown) FillMediaCells(row);
  file.reset();

  std::string folder = PathFolder(path);
  SetShownCell(row, kColFolder, Utf8ToCp932(folder));
  if (ColumnPosition(kColVolume) >= 0) {
    SetShownCell(row, kColVolume, Utf8ToCp932(VolumeLabel(folder.empty() ? "/" : folder)));
  }
  return size;
}

int64_t BuildListEntry(const std::string& path, int row) {
  return BuildListEntryWithKey(path, row, ListRowCount(), row);
}
