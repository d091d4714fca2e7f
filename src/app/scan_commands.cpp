#include "app/scan_commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <utility>

#include "app/choosers.h"
#include "app/command_set.h"
#include "app/intake_driver.h"
#include "app/list_commands_state.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/prompts.h"
#include "list/list_model.h"
#include "list/status_totals.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "scan/path_intake.h"
#include "settings/settings.h"

namespace {

// A folder the program could make its working directory: it exists and may be entered.
bool CanEnterFolder(const std::string& folder) {
  struct stat info {};
  return !folder.empty() && stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
         access(folder.c_str(), X_OK) == 0;
}

void ScanIntoList(const std::string& folder) {
  if (Settings().ListClear == 1) HandleCommand(kCmdNewList);
  ApplyMenuStateCode(kCmdEditEntry, kMenuEnable);
  StartIntake({{IntakeStep::Kind::kFolder, folder}}, [folder] {
    UpdateStatusTotals(folder);
    ShowStatusTexts();
    EnableListCommands();
  });
}

// An accepted file always leaves a row, so the playback check item is enabled there with the others.
void TakeIntoList(PathIntakePlan plan) {
  StartIntake(std::move(plan.steps), [summary = plan.summary] {
    if (ListRowCount() > 0) FinishPathIntake(summary.last_path);
  });
}

}  // namespace

void ScanChosenFolder() {
  const std::string folder = BrowseScanFolder();
  if (folder == "Err") return;
  ScanIntoList(folder);
}

void AutoScan() {
  std::error_code error;
  const std::string folder = std::filesystem::absolute(Cp932ToUtf8(Settings().AutoScan), error).string();
  if (error || !CanEnterFolder(folder)) {
    MessageBoxRequest request;
    request.icon = QMessageBox::Warning;
    request.caption = QStringLiteral("ｽｷｬﾝ実行ｴﾗｰ");
    request.text = QStringLiteral(
        "指定されたﾌｫﾙﾀﾞはﾌｫﾙﾀﾞ名変更、移動、削除されました\nｵｰﾄｽｷｬﾝの実行に失敗しました、ﾊﾟｽを再設定して下さ"
        "い");
    RunMessageBox(request);
    return;
  }
  ScanIntoList(folder);
}

void TakeCommandLinePathsIntoList(const std::vector<std::string>& pieces) {
  TakeIntoList(PlanCommandLineIntake(pieces));
}

void TakeDroppedPathsIntoList(const std::vector<std::string>& paths) {
  TakeIntoList(PlanDroppedIntake(paths));
}

void FinishPathIntake(const std::string& path) {
  EnableListCommands();
  UpdateStatusTotals(path);
  ShowStatusTexts();
}
