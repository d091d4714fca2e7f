#include "app/list_file_warnings.h"

#include <QStringList>

#include "app/prompts.h"
#include "app/qt_text.h"
#include "list/list_model.h"

namespace {

// A long list names the first ones and counts the rest, so the box fits on the screen.
void ShowWarning(const QString& caption, const QString& text, const QStringList& items) {
  constexpr int kMostNamed = 20;
  if (items.isEmpty()) return;
  QStringList lines = items.mid(0, kMostNamed);
  if (items.size() > kMostNamed) lines << QStringLiteral("ほか%1件").arg(items.size() - kMostNamed);
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = caption;
  request.text = text + '\n' + lines.join('\n');
  RunMessageBox(request);
}

}  // namespace

void ShowMisalignedCsvLines(const std::vector<int>& line_numbers) {
  QStringList items;
  for (int line_no : line_numbers) items << QStringLiteral("%1行目").arg(line_no);
  ShowWarning(QStringLiteral("CSVﾃﾞｰﾀ読み込み警告"),
              QStringLiteral("次の行はｾﾙの区切りがｶﾃｺﾞﾘと合いません\n"
                             "これらの行のﾌｧｲﾙにはｲﾝﾌｫﾃﾞｰﾀの書込みも再生も行いません"),
              items);
}

void ShowUnreadableCsvCells(const std::vector<CsvUnreadableCell>& cells) {
  QStringList items;
  for (const CsvUnreadableCell& cell : cells) {
    items << QStringLiteral("%1行目 %2").arg(cell.line_no).arg(ToQString(ListColumnHeader(cell.position)));
  }
  ShowWarning(QStringLiteral("CSVﾃﾞｰﾀ書き込み警告"),
              QStringLiteral("次のｾﾙは区切り(\",\")や改行を含むため、読み込むと元どおりになりません\n"
                             "保存は行いました"),
              items);
}
