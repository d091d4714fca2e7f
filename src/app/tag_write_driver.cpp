#include "app/tag_write_driver.h"

#include <QObject>
#include <atomic>
#include <thread>
#include <utility>

#include "app/background_work.h"
#include "app/main_window.h"

namespace {

class TagWriteDriver : public QObject {
 public:
  explicit TagWriteDriver(std::function<void(const std::vector<InfoTagRowReport>&)> finished)
      : QObject(MainWin()), finished_(std::move(finished)) {}

  ~TagWriteDriver() override {
    if (!worker_.joinable()) return;
    stop_ = true;
    worker_.join();
    ForgetWork();
  }

  void start() {
    BeginWork([this] { stop(); });
    // The list belongs to this thread: the worker gets the rows' cells.
    worker_ = std::thread([this, rows = TakeCheckedTagRows()] {
      reports_ = WriteTagRows(rows, options_, stop_);
      QMetaObject::invokeMethod(
          this, [this] { finish(); }, Qt::QueuedConnection);
    });
  }

 private:
  void stop() {
    stop_ = true;
    finish();
  }

  void finish() {
    if (!worker_.joinable()) return;  // a stop finished it before the worker's call came
    worker_.join();
    UncheckDoneRows(reports_, options_);
    EndWork();
    const auto finished = std::move(finished_);
    deleteLater();
    finished(reports_);
  }

  const InfoTagWalkOptions options_;
  std::function<void(const std::vector<InfoTagRowReport>&)> finished_;
  std::vector<InfoTagRowReport> reports_;  // the worker's, read once it has ended
  std::atomic<bool> stop_ = false;
  std::thread worker_;
};

}  // namespace

void StartTagWrite(std::function<void(const std::vector<InfoTagRowReport>&)> finished) {
  (new TagWriteDriver(std::move(finished)))->start();
}
