#include "list/columns.h"
#include "settings/settings.h"

void BuildColumns() {
  std::array<int, kColumnCount> flags{};
  std::array<int, kColumnCount> widths{};
  for (int no = 0; no < kColumnCount; ++no) {
    const ColumnDef& column = ColumnTable(no);
    if (column.visibility_key) flags[no] = ReadSettingInt(kCustomize, column.visibility_key, 1);
    widths[no] = ReadSettingInt(kMainSeting, column.width_key, column.default_width);
    // A negative width would read as a fit request, or as no column at all.
    if (widths[no] < 0) widths[no] = column.default_width;
  }
  UseColumns(MakeColumnState(flags, widths));
}
