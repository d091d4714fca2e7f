#include "list/csv_list_ahead.h"

#include <utility>

#include "list/csv_format.h"
#include "list/list_model.h"
#include "platform/file_replacement.h"

CsvListAhead::CsvListAhead(ListFileEncoding encoding)
    : encoding_(encoding),
      columns_(ListFileColumnsFromList()),
      list_rows_(ListFileRowsFromList()),
      output_(text_, encoding) {
  given_up_ = ListRowCount() != 0;
  if (!given_up_) WriteCsvHeader(columns_, output_, &check_);
  ListEvents events;
  events.after_insert = [this](int row) { RowAdded(row); };
  events.after_remove = [this](int) { GiveUp(); };
  events.after_reset = [this] { GiveUp(); };
  events.cell_changed = [this](int, int) { GiveUp(); };
  ListSetEvents(std::move(events));
}

CsvListAhead::~CsvListAhead() {
  ListSetEvents({});
}

void CsvListAhead::RowAdded(int row) {
  if (given_up_) return;
  if (row != rows_ || row != ListRowCount() - 1) return GiveUp();
  list_rows_.read(static_cast<size_t>(row), cells_);
  WriteCsvRow(cells_, line_, output_, &check_);
  ++rows_;
  if (text_.size() > kMostBytes) GiveUp();
}

void CsvListAhead::GiveUp() {
  given_up_ = true;
  text_.Clear();
}

bool CsvListAhead::MadeAhead() const {
  return !given_up_ && rows_ == ListRowCount();
}

ListFileResult CsvListAhead::Write(const std::string& path, bool append) {
  if (!MadeAhead()) return WriteListFile(path, kListFileCsv, append, {}, encoding_);
  output_.Finish();
  ListFileResult result;
  result.path = path;
  FileReplacement file(path, append);
  for (const std::string& piece : text_.pieces()) file.Write(piece);
  result.unreadable_cells = FinishCsvCheck(check_, columns_, ListFileRowsFromList());
  static_cast<WriteResult&>(result) = file.Commit();
  return result;
}
