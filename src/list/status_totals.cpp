#include "list/status_totals.h"

#include <cinttypes>
#include <cstdio>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/size_text.h"
#include "list/text_utils.h"
#include "platform/cp932.h"
#include "platform/disk_space.h"

namespace {

StatusTexts& Texts() {
  static StatusTexts texts = NoScanStatusTexts();
  return texts;
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Decimal(int64_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%" PRId64, value);
  return text;
}

bool AnySizeColumnShown() {
  const auto& shown = Columns().shown;
  return shown[kColSizeBytes] == 1 || shown[kColSizeMB] == 1 || shown[kColSizeKB] == 1;
}

std::string_view DropSuffix(std::string_view cell, std::string_view unit) {
  if (cell.size() >= 2 && cell.substr(cell.size() - 2) == unit) cell.remove_suffix(2);
  return cell;
}

}  // namespace

int64_t RowSizeKB(int row) {
  // Read as a cell of at most 31 bytes, without a copy: the totals go over every row after each scan.
  const std::string_view cell = ListCellView(row, 1).substr(0, 31);
  const auto& shown = Columns().shown;
  if (shown[kColSizeBytes] == 1) return ParseGroupedNumber(cell) / 1024;
  if (shown[kColSizeMB] == 1) return static_cast<int64_t>(ParseDecimal(DropSuffix(cell, "MB")) * 1024);
  if (shown[kColSizeKB] == 1) return ParseGroupedNumber(DropSuffix(cell, "KB"));
  return 0;
}

StatusTexts NoScanStatusTexts() {
  return {"Non Scanning...", "DiskMax: Non Scan", "DiskFree: Non Scan", "Per:Non"};
}

std::string StatusCountText() {
  int rows = ListRowCount();
  std::string text = Decimal(rows) + "file(s) ";
  if (!AnySizeColumnShown()) return text + "Not KB(Not MB)";
  int64_t total_kb = 0;
  for (int row = 0; row < rows; ++row) total_kb += RowSizeKB(row);
  // Right-aligned in six characters before grouping, so small totals get no stray comma.
  std::string digits = Decimal(total_kb);
  if (digits.size() < 6) text.append(6 - digits.size(), ' ');
  return text + GroupThousands(digits) + "KB" + Format("(%.1fMB)", total_kb / 1024.0);
}

std::string DiskMaxText(uint64_t total_kb) {
  return Format("DiskMax: %.1fMB", total_kb / 1024.0);
}

std::string DiskFreeText(uint64_t free_kb) {
  return Format("DiskFree: %.1fMB", free_kb / 1024.0);
}

std::string DiskShareText(uint64_t total_kb, uint64_t free_kb) {
  if (total_kb == 0) return "Per:Non";
  return Format("Per: %.1f%%", 100.0 - static_cast<double>(free_kb) / static_cast<double>(total_kb) * 100.0);
}

const StatusTexts& UpdateStatusTotals(const std::string& path) {
  uint64_t total_kb = DiskSpaceKB(kDiskTotal, path);
  uint64_t free_kb = DiskSpaceKB(kDiskFree, path);
  StatusTexts& texts = Texts();
  texts[0] = StatusCountText();
  texts[1] = DiskMaxText(total_kb);
  texts[2] = DiskFreeText(free_kb);
  texts[3] = DiskShareText(total_kb, free_kb);
  return texts;
}

const std::string& UpdateStatusCount() {
  Texts()[0] = StatusCountText();
  return Texts()[0];
}

const StatusTexts& CurrentStatusTexts() {
  return Texts();
}

void ResetStatusTexts() {
  Texts() = NoScanStatusTexts();
}

std::string SelectionSummaryText() {
  if (ListSelectedCount() < 2) return Texts()[0];
  int64_t total_kb = 0;
  for (int row = ListNextSelected(-1); row >= 0; row = ListNextSelected(row)) total_kb += RowSizeKB(row);
  static const std::string kFilesSelected = Utf8ToCp932("ﾌｧｲﾙ選択 ");
  return Decimal(ListSelectedCount()) + kFilesSelected + GroupThousands(Decimal(total_kb)) + "KB" +
         Format("(%.1fMB)", total_kb / 1024.0);
}
