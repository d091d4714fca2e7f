#pragma once
// The playback suitability check dialog (MVCHECK): a check list of marks and codec names for every row
// of the main list, sorted by header clicks and written to a log. Controls carry their identifiers as
// object names.
#include <QDialog>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "scan/playback_check.h"

enum PlaybackCheckControl : int {
  kPlaybackCheckStart = 1,
  kPlaybackCheckClose = 2,
  kPlaybackCheckWriteLog = 3,
  kPlaybackCheckList = 100,
};

class QFont;
class QTimer;
class QTreeWidget;

class PlaybackCheckDialog : public QDialog {
  Q_OBJECT
 public:
  // list_font: the check list's font. choose_log: the log file chooser of kPlaybackCheckWriteLog, giving the
  // chosen file's path (file-system bytes) or nothing when the user cancelled.
  PlaybackCheckDialog(QWidget* owner, const QFont& list_font,
                      std::function<std::optional<std::string>()> choose_log);
  // Stops a check still running.
  ~PlaybackCheckDialog() override;

  // True while the files are being probed.
  bool checkRunning() const { return worker_.joinable(); }

  // The check list's rows in their shown order.
  const std::vector<CheckRow>& checkRows() const { return rows_; }

 private:
  // Probes every row of the main list once, on a thread of its own so the dialog keeps answering; then
  // only the log can be written. Closing the dialog stops the check.
  void startCheck();
  // Shows the rows checked so far; once every file is probed, the finished list.
  void finishCheckWhenDone();
  void stopCheck();
  void done(int result) override;
  void sortByColumn(int column);
  // Asks for the log file and writes it; a file that cannot be written is reported and left alone.
  void writeLog();
  void showRows();

  std::function<std::optional<std::string>()> choose_log_;
  QTreeWidget* list_ = nullptr;
  std::vector<CheckRow> rows_;
  std::vector<CheckRow> checked_;  // filled by the worker, handed to rows_ when it ends
  std::thread worker_;
  std::atomic<bool> stop_ = false;
  std::atomic<bool> finished_ = false;
  std::atomic<size_t> rows_checked_ = 0;  // checked_'s rows the worker has filled, from the first
  size_t rows_shown_ = 0;
  QTimer* poll_ = nullptr;
};
