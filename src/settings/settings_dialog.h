#pragma once
// The settings dialog DIALOG1 ("動作設定"): the columns to show, list clearing and size units, the
// auto-scan folder, the two window fonts and the three list and window colours. OK stores every value
// (StoreSettingsDialog) and accepts; ｷｬﾝｾﾙ and Esc reject and store nothing. Whoever opens it rebuilds the
// fonts and recolours the list after an accepted dialog.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "settings/settings_dialog_ids.h"
#include "settings/settings_dialog_values.h"

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // browse_scan_folder: the folder chooser of kSettingsBrowseAutoScanFolder, giving the chosen folder
  // (file-system bytes) or "Err" when the user cancelled.
  SettingsDialog(QWidget* owner, std::function<std::string()> browse_scan_folder);

  // The faces of both font lists, in list order: the platform's Japanese families at the time of opening,
  // then the stored faces that are not among them.
  const std::vector<std::string>& faces() const { return faces_; }

  // What OK would store now.
  SettingsDialogValues CurrentValues() const;

 private:
  void CreateControls();
  void InitSettingsDialog();
  void ShowValues(const SettingsDialogValues& values);
  void SettingsDialogCommand(int id);
  void PaintSwatches();

  std::function<std::string()> browse_scan_folder_;
  std::vector<std::string> faces_;
  uint32_t main_color_ = 0, list_fo_color_ = 0, list_bk_color_ = 0xffffff;  // the working colours
};
