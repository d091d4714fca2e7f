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

// The row's file; nothing plays while the folder path column is hidden.
std::string SelectedMoviePath(int row) {
  return ColumnPosition(kColFolder) < 0 ? std::string() : RowFilePath(row);
}

}  // namespace

void PlaySelectedMovie() {
  const std::string player = FindMediaPlayer();
  if (player.empty()) return;
  const int row = ListNextSelected(-1);
  const std::string path = row >= 0 ? SelectedMoviePath(row) : std::string();
  if (!IsFile(path)) {
    MessageBoxRequest request;
    request.owned_by_main_window = false;
    request.icon = QMessageBox::Warning;
    request.caption = QStringLiteral("再生失敗");
    request.text = QStringLiteral("再生するﾌｧｲﾙが見つかりません\n再生は失敗しました");
    RunMessageBox(request);
    return;
  }
  LaunchPlayer(player, path, PathFolder(path));
}
