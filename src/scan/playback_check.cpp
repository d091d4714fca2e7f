#include "scan/playback_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "list/cell_compare.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/row_file_path.h"
#include "list/sort.h"
#include "platform/cp932.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"

const std::array<std::string, 5>& CheckListHeaders() {
  static const std::array<std::string, 5> kHeaders{Utf8ToCp932("ﾌｧｲﾙ名"), Utf8ToCp932("映像"),
                                                   Utf8ToCp932("音声"), Utf8ToCp932("映像Codec"),
                                                   Utf8ToCp932("音声Codec")};
  return kHeaders;
}

int CheckMarkColumnWidth(const std::string& list_font_size) {
  return static_cast<int>(std::strtol(list_font_size.c_str(), nullptr, 0) / 4) + 35;
}

CheckMarks MarksForCheckResult(int check_result) {
  static const std::string kYes = Utf8ToCp932("○");
  static const std::string kNo = Utf8ToCp932("×");
  static const std::string kNone = Utf8ToCp932("　");
  switch (check_result) {
    case 1:
      return {kNo, kYes};
    case 2:
      return {kYes, kNo};
    case 3:
      return {kNo, kNo};
    case 4:
      return {kYes, kNone};
    case 5:
      return {kNo, kNone};
    case 6:
      return {kNone, kYes};
    case 7:
      return {kNone, kNo};
    default:
      return {kYes, kYes};
  }
}

namespace {

const std::string& NoMark() {
  static const std::string kNo = Utf8ToCp932("×");
  return kNo;
}

}  // namespace

PlannedCheck PlanCheckRow(int list_row) {
  return {ListGetCell(list_row, ColumnPosition(kColFileName), 256), RowFileQueryOf(list_row)};
}

CheckRow FinishCheckRow(const PlannedCheck& planned, RowFileResolver& files, const ProbeOptions& options) {
  const std::string& name = planned.name;
  const RowFile file = files.Resolve(planned.file);
  if (file.status == RowFileStatus::kAmbiguous || file.status == RowFileStatus::kMisaligned) {
    static const std::string kUndecided = Utf8ToCp932("ﾌｧｲﾙを決められません");
    return {name, NoMark(), NoMark(), kUndecided, ""};
  }
  // The probe gives a file it cannot read no findings, which would read as "nothing missing".
  MediaFile media(file.path);
  if (!media.is_open()) {
    static const std::string kMissing = Utf8ToCp932("ﾌｧｲﾙがありません");
    static const std::string kUnreadable = Utf8ToCp932("ﾌｧｲﾙを読めません");
    return {name, NoMark(), NoMark(), errno == ENOENT || errno == ENOTDIR ? kMissing : kUnreadable, ""};
  }
  const CheckMarks marks =
      MarksForCheckResult(ProbeMediaFile(media, file.path, true, InstalledDecoders(), options));
  return {name, marks.video, marks.audio, MediaInfo().video_format, MediaInfo().audio_format};
}

CheckRow CheckListRow(int list_row, RowFileResolver& files) {
  return FinishCheckRow(PlanCheckRow(list_row), files, CurrentProbeOptions());
}

void SortCheckRows(std::vector<CheckRow>& rows, int column) {
  if (column < 0 || column >= static_cast<int>(CheckRow().size())) return;
  const bool descending = FlipSortDirection(column) == kSortDescending;
  std::stable_sort(rows.begin(), rows.end(), [&](const CheckRow& a, const CheckRow& b) {
    const int order = CompareFolded(a[column], b[column]);
    return descending ? order > 0 : order < 0;
  });
}

std::string RenderCheckLog(const std::vector<CheckRow>& rows) {
  static const CheckRow kLogHeaders{Utf8ToCp932("ファイル名"), Utf8ToCp932("映像"), Utf8ToCp932("音声"),
                                    Utf8ToCp932("映像codec"), Utf8ToCp932("音声codec")};
  std::array<size_t, 5> widths{};
  for (size_t c = 0; c < widths.size(); ++c) {
    widths[c] = kLogHeaders[c].size();
    for (const CheckRow& row : rows) widths[c] = std::max(widths[c], row[c].size());
  }
  auto render_line = [&](const CheckRow& texts, bool data_line) {
    std::string line;
    for (size_t c = 0; c < texts.size(); ++c) {
      line += texts[c];
      if (c == texts.size() - 1) break;
      long blanks = static_cast<long>(widths[c] - texts[c].size()) + 1;
      if (data_line && c == 0) ++blanks;
      if (data_line && c == 2) --blanks;
      line.append(static_cast<size_t>(std::max(blanks, 0L)), ' ');
    }
    return line + "\r\n";
  };
  std::string log = render_line(kLogHeaders, false);
  for (const CheckRow& row : rows) log += render_line(row, true);
  return log;
}

WriteResult WriteCheckLog(const std::string& path, const std::vector<CheckRow>& rows) {
  return ReplaceFileContents(path, RenderCheckLog(rows));
}
