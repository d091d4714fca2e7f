#include "app/play_movie.h"

#include <sys/stat.h>

#include "app/prompts.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "list/text_utils.h"
#include "platform/cp932.h"
#include "platform/player_launch.h"

namespace {

bool IsFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// The row's file: the path kept with the row, or for rows read from a list file the folder and name
// cells joined. Empty while the folder path column is hidden.
std::string SelectedMoviePath(int row) {
  const int folder_position = ColumnPosition(kColFolder);
  if (folder_position < 0) return {};
  const std::string kept = ListRowPath(row);
  if (!kept.empty()) return kept;
  return Cp932ToUtf8(ListGetCell(row, folder_position)) + "/" + Cp932ToUtf8(ListGetCell(row, 0));
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
