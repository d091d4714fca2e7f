#include "edit/find_in_list.h"

#include <array>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"

namespace {

// A search reads at most this many bytes of a cell.
constexpr size_t kFindCellBytes = 511;

struct FindCategory {
  std::string name;  // CP932
  ColumnNo column;
};

const std::string& AllCategoriesName() {
  static const std::string kName = Utf8ToCp932("すべてのｶﾃｺﾞﾘ");
  return kName;
}

// The single-column categories in the order the dialog lists them.
const std::array<FindCategory, 6>& ColumnCategories() {
  static const std::array<FindCategory, 6> kCategories{{
      {Utf8ToCp932("ﾌｧｲﾙ名"), kColFileName},
      {Utf8ToCp932("ﾀｲﾄﾙ"), kColTitle},
      {Utf8ToCp932("ｼﾞｬﾝﾙ"), kColGenre},
      {Utf8ToCp932("製作者名"), kColCreator},
      {Utf8ToCp932("ｺﾒﾝﾄ"), kColComment},
      {Utf8ToCp932("ﾃﾞｨﾚｸﾄﾘﾊﾟｽ"), kColFolder},
  }};
  return kCategories;
}

constexpr std::array<ColumnNo, 5> kAllCategoryColumns{kColTitle, kColGenre, kColCreator, kColComment,
                                                      kColFolder};

// A match starts at a character: half-width ﾌ (0xCC) is no match for the trail byte of 夏 (0x89 0xCC).
bool CellContains(int row, int position, const std::string& text) {
  std::string_view cell = ListCellView(row, position);
  if (cell.size() > kFindCellBytes) cell = cell.substr(0, kFindCellBytes);
  for (size_t i = 0; i + text.size() <= cell.size(); i += Cp932CharLength(cell, i)) {
    if (cell.compare(i, text.size(), text) == 0) return true;
  }
  return false;
}

}  // namespace

FindRequest& FindReq() {
  static FindRequest request;
  return request;
}

std::vector<std::string> FindCategoryNames() {
  std::vector<std::string> names{AllCategoriesName()};
  for (const FindCategory& category : ColumnCategories()) {
    if (ColumnPosition(category.column) >= 0) names.push_back(category.name);
  }
  return names;
}

int FindInColumn(const std::string& text, int position, int start_row, int direction) {
  if (position < 0) return -1;
  if (direction == kFindUp && start_row >= 0) {
    for (int row = start_row - 1; row >= 0; --row) {
      if (CellContains(row, position, text)) return row;
    }
    return -1;
  }
  const int count = ListRowCount();
  for (int row = start_row + 1; row < count; ++row) {
    if (CellContains(row, position, text)) return row;
  }
  return -1;
}

FindResult FindInList(const std::string& text, const std::string& category, int direction, bool repeat) {
  const int start_row = ListNextSelected(-1);
  FindResult result;
  bool single_column = false;
  for (const FindCategory& entry : ColumnCategories()) {
    if (entry.name != category) continue;
    single_column = true;
    result.row = FindInColumn(text, ColumnPosition(entry.column), start_row, direction);
    break;
  }
  if (!single_column) {
    for (ColumnNo column : kAllCategoryColumns) {
      result.row = FindInColumn(text, ColumnPosition(column), start_row, direction);
      if (result.row >= 0) break;
    }
  }
  if (result.row < 0) {
    static const std::string kNotFound = Utf8ToCp932("検索指定された文字列はみつかりませんでした");
    static const std::string kReachedTop = Utf8ToCp932("一番上まで検索しました");
    static const std::string kReachedBottom = Utf8ToCp932("一番下まで検索しました");
    result.message = !repeat ? kNotFound : direction == kFindUp ? kReachedTop : kReachedBottom;
    return result;
  }
  for (int row = 0, count = ListRowCount(); row < count; ++row) ListSetSelected(row, false);
  ListSetSelected(result.row, true);
  return result;
}

const std::string& FindEndCaption() {
  static const std::string kCaption = Utf8ToCp932("検索終了");
  return kCaption;
}

void ResetFindRequestForTesting() {
  FindReq() = FindRequest{};
}
