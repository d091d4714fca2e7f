#include "list/row_file_path.h"

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"

std::string RowFilePath(int row) {
  std::string path = ListRowPath(row);
  if (!path.empty()) return path;
  const int folder_position = ColumnPosition(kColFolder);
  if (folder_position < 0) return {};
  return Cp932ToUtf8(ListGetCell(row, folder_position, std::string::npos)) + "/" +
         Cp932ToUtf8(ListGetCell(row, ColumnPosition(kColFileName), std::string::npos));
}
