#include "probe/info_tag_writer.h"

#include <sys/stat.h>

#include <optional>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/row_file_path.h"
#include "list/shown_cell.h"

namespace {

constexpr size_t kTagCellCapacity = 1024;

std::optional<std::string> TagCell(int row, int column_no) {
  return ShownCell(row, column_no, kTagCellCapacity);
}

bool IsRegularFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

InfoTagResult WriteRow(int row, const std::string& path) {
  if (path.empty()) return InfoTagResult{InfoTagOutcome::kMissingFile, 0};
  if (path.back() != 'i' && path.back() != 'I') return InfoTagResult{InfoTagOutcome::kNotAviName, 0};
  if (!IsRegularFile(path)) return InfoTagResult{InfoTagOutcome::kMissingFile, 0};
  const InfoTagEdit edit{TagCell(row, kColTitle), TagCell(row, kColCreator), TagCell(row, kColComment)};
  return WriteInfoTagsToFile(path, edit);
}

}  // namespace

std::vector<InfoTagRowReport> WriteInfoTags() {
  std::vector<InfoTagRowReport> reports;
  for (int row = 0; row < ListRowCount(); ++row) {
    if (!ListIsChecked(row)) continue;
    InfoTagRowReport report;
    report.row = row;
    report.path = RowFilePath(row);
    const InfoTagResult result = WriteRow(row, report.path);
    report.outcome = result.outcome;
    report.error_number = result.error_number;
    if (result.outcome == InfoTagOutcome::kWritten) ListSetChecked(row, false);
    reports.push_back(std::move(report));
  }
  return reports;
}
