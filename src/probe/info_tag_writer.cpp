#include "probe/info_tag_writer.h"

#include <sys/stat.h>

#include <optional>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"

namespace {

constexpr size_t kTagCellCapacity = 1024;

// The row's file. Folder and name cells are taken whole, so a long path is never cut.
std::string RowFilePath(int row) {
  std::string path = ListRowPath(row);
  if (!path.empty()) return path;
  const int folder_position = ColumnPosition(kColFolder);
  if (folder_position < 0) return {};
  return Cp932ToUtf8(ListGetCell(row, folder_position, std::string::npos)) + "/" +
         Cp932ToUtf8(ListGetCell(row, ColumnPosition(kColFileName), std::string::npos));
}

std::optional<std::string> TagCell(int row, int column_no) {
  const int position = ColumnPosition(column_no);
  if (position < 0) return std::nullopt;
  return ListGetCell(row, position, kTagCellCapacity);
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
