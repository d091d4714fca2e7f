#include "probe/info_tag_writer.h"

#include <sys/stat.h>

#include <cerrno>
#include <map>
#include <optional>
#include <utility>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/row_file_path.h"
#include "list/shown_cell.h"
#include "platform/patch_journal.h"

namespace {

std::optional<std::string> WholeCell(int row, int column_no) {
  return ShownCell(row, column_no, std::string::npos);
}

struct RowWrite {
  InfoTagRowReport report;
  std::pair<uint64_t, uint64_t> file_id{};  // device and inode
};

InfoTagOutcome UnresolvedOutcome(RowFileStatus status) {
  switch (status) {
    case RowFileStatus::kAmbiguous:
      return InfoTagOutcome::kAmbiguousName;
    case RowFileStatus::kMisaligned:
      return InfoTagOutcome::kMisalignedLine;
    default:
      return InfoTagOutcome::kMissingFile;
  }
}

// Everything that can be told of a row's write before any file changes.
RowWrite PlanRow(const InfoTagRowCells& cells, const InfoTagWalkOptions& options, RowFileResolver& files) {
  RowWrite planned;
  InfoTagRowReport& report = planned.report;
  report.row = cells.row;
  report.row_name = cells.row_name;
  const RowFile file = files.Resolve(cells.file);
  report.path = file.path;
  const std::string& path = report.path;
  if (file.status != RowFileStatus::kResolved) {
    report.outcome = UnresolvedOutcome(file.status);
    return planned;
  }
  if (path.back() != 'i' && path.back() != 'I') {
    report.outcome = InfoTagOutcome::kNotAviName;
    return planned;
  }
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    report.outcome =
        errno == ENOENT || errno == ENOTDIR ? InfoTagOutcome::kMissingFile : InfoTagOutcome::kCannotRead;
    report.error_number = errno;
    return planned;
  }
  if (!S_ISREG(st.st_mode)) {
    report.outcome = InfoTagOutcome::kNotRegularFile;
    return planned;
  }
  planned.file_id = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
  const InfoTagPlan plan = PlanInfoTagWrite(path, cells.edit);
  report.outcome = plan.result.outcome;
  report.error_number = plan.result.error_number;
  report.shown = plan.shown;
  report.written = plan.written;
  if (report.outcome == InfoTagOutcome::kWritten && options.write.only_changed && !plan.changes) {
    report.outcome = InfoTagOutcome::kUnchanged;
  }
  return planned;
}

// Rows that would write one file: all refused when they disagree; otherwise the first writes for all.
void SettleSharedFiles(std::vector<RowWrite>& rows, std::vector<bool>& writes) {
  std::map<std::pair<uint64_t, uint64_t>, std::vector<size_t>> by_file;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].report.outcome == InfoTagOutcome::kWritten) by_file[rows[i].file_id].push_back(i);
  }
  for (const auto& [file_id, indexes] : by_file) {
    bool agree = true;
    for (size_t i : indexes) agree = agree && rows[i].report.written == rows[indexes[0]].report.written;
    for (size_t i : indexes) {
      if (!agree) rows[i].report.outcome = InfoTagOutcome::kSameFile;
      writes[i] = agree && i == indexes[0];
    }
  }
}

RowWrite StoppedRow(const InfoTagRowCells& cells) {
  RowWrite stopped;
  stopped.report.row = cells.row;
  stopped.report.row_name = cells.row_name;
  stopped.report.outcome = InfoTagOutcome::kStopped;
  return stopped;
}

}  // namespace

bool IsTagWriteDone(InfoTagOutcome outcome) {
  return outcome == InfoTagOutcome::kWritten || outcome == InfoTagOutcome::kUnchanged;
}

bool IsTagWriteSkipped(InfoTagOutcome outcome) {
  switch (outcome) {
    case InfoTagOutcome::kMissingFile:
    case InfoTagOutcome::kNotAviName:
    case InfoTagOutcome::kNotRiffAvi:
    case InfoTagOutcome::kStopped:
      return true;
    default:
      return false;
  }
}

bool IsTagWriteFailure(InfoTagOutcome outcome) {
  return !IsTagWriteDone(outcome) && !IsTagWriteSkipped(outcome);
}

std::vector<InfoTagRowCells> TakeCheckedTagRows() {
  std::vector<InfoTagRowCells> rows;
  for (int row = 0; row < ListRowCount(); ++row) {
    if (!ListIsChecked(row)) continue;
    InfoTagRowCells& cells = rows.emplace_back();
    cells.row = row;
    cells.file = RowFileQueryOf(row);
    const std::optional<std::string> folder = WholeCell(row, kColFolder);
    const std::string name = ListGetCell(row, 0, std::string::npos);
    cells.row_name = folder ? *folder + "/" + name : name;
    cells.edit =
        InfoTagEdit{WholeCell(row, kColTitle), WholeCell(row, kColCreator), WholeCell(row, kColComment)};
  }
  return rows;
}

std::vector<InfoTagRowReport> WriteTagRows(const std::vector<InfoTagRowCells>& cells,
                                           const InfoTagWalkOptions& options, const std::atomic<bool>& stop) {
  RecoverInterruptedPatches();
  std::vector<RowWrite> rows;
  RowFileResolver files;
  for (const InfoTagRowCells& row : cells)
    rows.push_back(stop ? StoppedRow(row) : PlanRow(row, options, files));
  std::vector<bool> writes(rows.size(), false);
  SettleSharedFiles(rows, writes);

  std::map<std::pair<uint64_t, uint64_t>, InfoTagResult> results;
  std::vector<InfoTagRowReport> reports;
  for (size_t i = 0; i < rows.size(); ++i) {
    InfoTagRowReport& report = rows[i].report;
    if (writes[i] && !options.dry_run && !stop) {
      results[rows[i].file_id] = WriteInfoTagsToFile(report.path, cells[i].edit, options.write);
    }
    // A row sharing its file with an earlier, agreeing row has the outcome of that row's write.
    if (report.outcome == InfoTagOutcome::kWritten && !options.dry_run) {
      const auto result = results.find(rows[i].file_id);
      // No result: the stop came before the file's write.
      const InfoTagResult outcome =
          result == results.end() ? InfoTagResult{InfoTagOutcome::kStopped, 0} : result->second;
      report.outcome = outcome.outcome;
      report.error_number = outcome.error_number;
    }
    reports.push_back(std::move(report));
  }
  return reports;
}

void UncheckDoneRows(const std::vector<InfoTagRowReport>& reports, const InfoTagWalkOptions& options) {
  if (options.dry_run) return;
  for (const InfoTagRowReport& report : reports) {
    if (IsTagWriteDone(report.outcome)) ListSetChecked(report.row, false);
  }
}

std::vector<InfoTagRowReport> WriteInfoTags(const InfoTagWalkOptions& options) {
  const std::atomic<bool> never_stopped = false;
  std::vector<InfoTagRowReport> reports = WriteTagRows(TakeCheckedTagRows(), options, never_stopped);
  UncheckDoneRows(reports, options);
  return reports;
}
