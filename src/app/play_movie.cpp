#include "app/play_movie.h"

#include <sys/stat.h>

#include "app/prompts.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/row_file_path.h"
#include "list/text_utils.h"
#include "platform/player_launch.h"

namespace {

bool IsFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// Why the row's file cannot be played, or empty when it can; nothing plays while the folder path
// column is hidden.
QString PlayProblem(int row, std::string& path) {
  static const QString kNotFound = QStringLiteral("再生するﾌｧｲﾙが見つかりません");
  if (row < 0 || ColumnPosition(kColFolder) < 0) return kNotFound;
  const RowFile file = ResolveRowFile(row);
  switch (file.status) {
    case RowFileStatus::kAmbiguous:
      return QStringLiteral("同じ名前に見えるﾌｧｲﾙが複数あり、再生するﾌｧｲﾙを決められません");
    case RowFileStatus::kMisaligned:
      return QStringLiteral("CSVﾃﾞｰﾀの区切りがずれた行のため、再生するﾌｧｲﾙを決められません");
    default:
      path = file.path;
      return IsFile(path) ? QString() : kNotFound;
  }
}

}  // namespace

void PlaySelectedMovie() {
  const std::string player = FindMediaPlayer();
  if (player.empty()) return;
  std::string path;
  const QString problem = PlayProblem(ListNextSelected(-1), path);
  if (!problem.isEmpty()) {
    MessageBoxRequest request;
    request.owned_by_main_window = false;
    request.icon = QMessageBox::Warning;
    request.caption = QStringLiteral("再生失敗");
    request.text = problem + QStringLiteral("\n再生は失敗しました");
    RunMessageBox(request);
    return;
  }
  LaunchPlayer(player, path, PathFolder(path));
}
