#include "list/columns.h"

#include <vector>

#include "list/list_model.h"
#include "platform/cp932.h"

namespace {

struct ColumnText {
  const char* list_header;  // UTF-8 in the source, CP932 in the table
  const char* file_label;
  const char* visibility_key;
  const char* width_key;
  int default_width;
  bool right_aligned;
  int width_menu_item;
};

constexpr ColumnText kColumnTexts[kColumnCount] = {
    {"ﾌｧｲﾙ名", "ファイル名", nullptr, "File", 200, false, 40022},
    {"ｻｲｽﾞ(Byte)", "サイズ(Byte)", "FileSizeBT", "Sizeb", 85, true, 40038},
    {"ｻｲｽﾞ(MB)", "サイズ(MB)", "FileSizeMB", "Sizem", 65, true, 40023},
    {"ｻｲｽﾞ(KB)", "サイズ(KB)", "FileSizeKB", "Sizek", 75, true, 40024},
    {"ﾀｲﾄﾙ", "タイトル", "MovieTitle", "Title", 250, false, 40025},
    {"動画形式", "動画形式", "MoveInfo", "Mvinfo", 75, false, 40027},
    {"音声形式", "音声形式", "AudioInfo", "Sndinfo", 75, false, 40028},
    {"動画ﾚｰﾄ", "動画レート", "VideoRate", "Mvrate", 70, false, 40029},
    {"音声ﾚｰﾄ", "音声レート", "AudioRate", "Sndrate", 110, false, 40030},
    {"fps", "fps", "FlameRate", "fps", 45, false, 40031},
    {"解像度", "解像度", "Resolusion", "Rezo", 60, false, 40032},
    {"時間", "時間", "PlayTime", "Time", 45, false, 40033},
    {"ｼﾞｬﾝﾙ", "ジャンル", "Janle", "Junle", 100, false, 40034},
    {"著作権", "著作権", "Creater", "Cpright", 100, false, 40035},
    {"ｺﾒﾝﾄ", "コメント", "Comment", "Comment", 400, false, 40036},
    {"ﾃﾞｨﾚｸﾄﾘﾊﾟｽ", "ディレクトリパス", "DirPath", "Dirpath", 300, false, 40026},
    {"ﾎﾞﾘｭｰﾑ", "ボリューム", "VolLabel", "Volume", 100, false, 40040},
};

// Built once: the texts are converted to CP932 on first use.
const std::array<ColumnDef, kColumnCount>& Table() {
  static const std::array<ColumnDef, kColumnCount> table = [] {
    std::array<ColumnDef, kColumnCount> built;
    for (int no = 0; no < kColumnCount; ++no) {
      const ColumnText& text = kColumnTexts[no];
      built[no] = ColumnDef{Utf8ToCp932(text.list_header),
                            Utf8ToCp932(text.file_label),
                            text.visibility_key,
                            text.width_key,
                            text.default_width,
                            text.right_aligned,
                            text.width_menu_item};
    }
    return built;
  }();
  return table;
}

bool IsColumnNo(int column_no) {
  return column_no >= 0 && column_no < kColumnCount;
}

}  // namespace

const ColumnDef& ColumnTable(int column_no) {
  static const ColumnDef kNone{};
  return IsColumnNo(column_no) ? Table()[column_no] : kNone;
}

ColumnState& Columns() {
  static ColumnState state = MakeColumnState({}, {});
  return state;
}

int ColumnPosition(int column_no) {
  if (!IsColumnNo(column_no) || Columns().shown[column_no] != 1) return -1;
  return Columns().position[column_no];
}

int ColumnAtPosition(int position) {
  if (position < 0) return -1;
  for (int no = 0; no < kColumnCount; ++no) {
    if (ColumnPosition(no) == position) return no;
  }
  return -1;
}

ColumnState MakeColumnState(const std::array<int, kColumnCount>& flags,
                            const std::array<int, kColumnCount>& widths) {
  ColumnState state;
  state.width = widths;
  int counter = 0;
  state.shown[kColFileName] = 1;
  state.position[kColFileName] = 0;
  for (int no = kColFileName + 1; no < kColumnCount; ++no) {
    state.shown[no] = flags[no] == 1 ? 1 : 0;
    state.position[no] = state.shown[no] ? ++counter : -1;
  }
  state.last_position = counter;
  return state;
}

void UseColumns(const ColumnState& state) {
  Columns() = state;
  std::vector<ListColumn> columns;
  for (int no = 0; no < kColumnCount; ++no) {
    if (state.shown[no] != 1) continue;
    columns.push_back({ColumnTable(no).list_header, state.width[no], ColumnTable(no).right_aligned});
  }
  ListSetColumns(columns);
}
