#include "app/row_commands.h"

#include <QFile>
#include <vector>

#include "app/list_table_model.h"
#include "app/main_window.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "app/tag_write_driver.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/status_totals.h"
#include "probe/tag_write_reason.h"

namespace {

// The cells are kept whole, and the row's path and misalignment mark with them, so a cut and paste
// loses nothing and never lets a misaligned row reach a file.
struct RowClipboard {
  std::vector<std::string> cells;
  std::string path;
  bool misaligned = false;
};

void ShowFailedTagWrites(const std::vector<InfoTagRowReport>& reports) {
  constexpr int kMostNamed = 20;
  QStringList lines;
  int failed = 0;
  for (const InfoTagRowReport& report : reports) {
    if (!IsTagWriteFailure(report.outcome) || ++failed > kMostNamed) continue;
    const QString file =
        report.path.empty() ? ToQString(report.row_name) : QFile::decodeName(report.path.c_str());
    lines << QStringLiteral("%1: %2").arg(file, ToQString(TagWriteReason(report)));
  }
  if (failed == 0) return;
  if (failed > kMostNamed) lines << QStringLiteral("ほか%1件").arg(failed - kMostNamed);
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = QStringLiteral("ｲﾝﾌｫﾃﾞｰﾀ書込失敗");
  request.text = QStringLiteral("次のﾌｧｲﾙには書き込めませんでした (ﾌｧｲﾙは元のままです)\n") + lines.join('\n');
  RunMessageBox(request);
}

RowClipboard& Clipboard() {
  static RowClipboard clipboard;
  return clipboard;
}

void CopyToClipboard(int row) {
  RowClipboard& clipboard = Clipboard();
  clipboard.cells.clear();
  for (int position = 0; position <= Columns().last_position; ++position) {
    clipboard.cells.push_back(ListGetCell(row, position, std::string::npos));
  }
  clipboard.path = ListRowPath(row);
  clipboard.misaligned = ListRowMisaligned(row);
}

// Past this many selected rows the view is reset once rather than told of each removal.
constexpr int kBulkRemovalRows = 64;

void ShowRowCount() {
  UpdateStatusCount();
  ShowStatusTexts();
}

}  // namespace

void CutRows() {
  const BulkListChange bulk(ListSelectedCount() > kBulkRemovalRows);
  for (int row = ListNextSelected(-1); row >= 0; row = ListNextSelected(-1)) {
    CopyToClipboard(row);
    ListDeleteRow(row);
  }
  ShowRowCount();
}

void CopyRow() {
  const int row = ListNextSelected(-1);
  if (row >= 0) CopyToClipboard(row);
}

void PasteRow() {
  const int selected = ListNextSelected(-1);
  if (selected < 0) return;
  const RowClipboard& clipboard = Clipboard();
  const int row = selected + 1;
  ListInsertRow(row, row, clipboard.cells.empty() ? std::string() : clipboard.cells[0]);
  for (int position = 1; position < static_cast<int>(clipboard.cells.size()); ++position) {
    ListSetCell(row, position, clipboard.cells[position]);
  }
  ListSetRowPath(row, clipboard.path);
  ListSetRowMisaligned(row, clipboard.misaligned);
  ShowRowCount();
}

void DeleteRows() {
  const BulkListChange bulk(ListSelectedCount() > kBulkRemovalRows);
  for (int row = ListNextSelected(-1); row >= 0; row = ListNextSelected(-1)) ListDeleteRow(row);
  ShowRowCount();
}

void WriteInfoData() {
  MessageBoxRequest request;
  request.icon = QMessageBox::Information;
  request.caption = QStringLiteral("ｲﾝﾌｫﾃﾞｰﾀ書込確認");
  request.text = QStringLiteral("ﾁｪｯｸされた動画に対しｲﾝﾌｫﾃﾞｰﾀの書込み作業を行います\nよろしいですか？");
  request.buttons = QMessageBox::Ok | QMessageBox::Cancel;
  if (RunMessageBox(request) == QMessageBox::Ok) StartTagWrite(ShowFailedTagWrites);
}

void ClearRowClipboardForTesting() {
  Clipboard() = RowClipboard();
}
