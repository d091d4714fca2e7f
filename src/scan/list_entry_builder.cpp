#include "scan/list_entry_builder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <initializer_list>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/text_utils.h"
#include "platform/cp932.h"
#include "platform/volume_label.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"
#include "scan/scan_progress.h"
#include "scan/size_cells.h"
#include "scan/tag_scan.h"
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

struct FileFacts {
  bool opened = false;  // a regular file, opened and read
  int64_t size = 0;
  TagValues tags;
};

// Non-blocking, so opening a FIFO returns at once; it is then refused as not a regular file.
FileFacts ReadSizeAndTags(const std::string& path) {
  FileFacts facts;
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return facts;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    facts.opened = true;
    facts.size = info.st_size;
    // The whole tail in one read: the tags sit in the last bytes and the movie data is never touched.
    int64_t tail_size = std::min<int64_t>(facts.size, kTagScanBytes);
    std::string tail(static_cast<size_t>(tail_size), '\0');
    ssize_t got = pread(fd, tail.data(), tail.size(), facts.size - tail_size);
    tail.resize(got > 0 ? static_cast<size_t>(got) : 0);
    facts.tags = ScanTags(tail);
  }
  close(fd);
  return facts;
}

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
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

  FileFacts facts;
  if (AnyShown({kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColCreator, kColComment})) {
    facts = ReadSizeAndTags(path);
  }
  if (facts.opened) {
    bool with_unit = Settings().SizeInfo == 1;
    SetShownCell(row, kColSizeBytes, SizeBytesCell(facts.size));
    SetShownCell(row, kColSizeMB, SizeMBCell(facts.size, with_unit));
    SetShownCell(row, kColSizeKB, SizeKBCell(facts.size, with_unit));
    SetShownCell(row, kColTitle, facts.tags.title);
    SetShownCell(row, kColCreator, facts.tags.creator);
    SetShownCell(row, kColComment, facts.tags.comment);
  }

  if (AnyShown({kColVideoFormat, kColAudioFormat, kColVideoRate, kColAudioRate, kColFrameRate, kColResolution,
                kColPlayTime}) &&
      (facts.opened || IsRegularFile(path))) {
    ProbeMediaFile(path, false);
    FillMediaCells(row);
  }

  std::string folder = PathFolder(path);
  SetShownCell(row, kColFolder, Utf8ToCp932(folder));
  if (ColumnPosition(kColVolume) >= 0) {
    SetShownCell(row, kColVolume, Utf8ToCp932(VolumeLabel(folder.empty() ? "/" : folder)));
  }
  return facts.size;
}

int64_t BuildListEntry(const std::string& path, int row) {
  return BuildListEntryWithKey(path, row, ListRowCount(), row);
}
