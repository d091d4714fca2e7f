#pragma once
// The playback suitability check dialog (MVCHECK): a check list of marks and codec names for every row
// of the main list, sorted by header clicks and written to a log. Controls carry their identifiers as
// object names.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scan/playback_check.h"

enum PlaybackCheckControl : int {
  kPlaybackCheckStart = 1,
  kPlaybackCheckClose = 2,
  kPlaybackCheckWriteLog = 3,
  kPlaybackCheckList = 100,
};

class QFont;
class QTreeWidget;

class PlaybackCheckDialog : public QDialog {
  Q_OBJECT
 public:
  // list_font: the check list's font. choose_log: the log file chooser of kPlaybackCheckWriteLog, giving the
  // chosen file's path (file-system bytes) or nothing when the user cancelled.
  PlaybackCheckDialog(QWidget* owner, const QFont& list_font,
                      std::function<std::optional<std::string>()> choose_log);

  // The check list's rows in their shown order.
  const std::vector<CheckRow>& checkRows() const { return rows_; }

 private:
  // Probes every row of the main list once; then only the log can be written.
  void startCheck();
  void sortByColumn(int column);
  // Asks for the log file and writes it; a file that cannot be written is reported and left alone.
  void writeLog();
  void showRows();

  std::function<std::optional<std::string>()> choose_log_;
  QTreeWidget* list_ = nullptr;
  std::vector<CheckRow> rows_;
};
