#pragma once
// The playback suitability check dialog (MVCHECK): a check list of marks and codec names for every row
// of the main list, sorted by header clicks and written to a log. Object names: buttons "1" start
// check, "2" close, "3" write log; the check list "100".
#include <QDialog>
#include <vector>

#include "scan/playback_check.h"

class QTreeWidget;

class PlaybackCheckDialog : public QDialog {
  Q_OBJECT
 public:
  explicit PlaybackCheckDialog(QWidget* owner);

  // The check list's rows in their shown order.
  const std::vector<CheckRow>& checkRows() const { return rows_; }

 private:
  // Probes every row of the main list once; then only the log can be written.
  void startCheck();
  void sortByColumn(int column);
  // Asks for the log file and writes it; a file that cannot be written is reported and left alone.
  void writeLog();
  void showRows();

  QTreeWidget* list_ = nullptr;
  std::vector<CheckRow> rows_;
};

// Command 40049: the dialog, modal over the main window.
void OpenPlaybackCheckDialog();
