#include "app/intake_driver.h"

#include <QObject>
#include <chrono>
#include <memory>
#include <utility>

#include "app/background_work.h"
#include "app/main_window.h"

namespace {

// Long enough to commit hundreds of rows, short enough that input waits no longer than a frame.
constexpr std::chrono::milliseconds kCommitSlice{12};

class IntakeDriver : public QObject {
 public:
  IntakeDriver(std::vector<IntakeStep> steps, std::function<void()> finished)
      : QObject(MainWin()),
        run_(std::make_unique<IntakeRun>(std::move(steps))),
        finished_(std::move(finished)) {}

  ~IntakeDriver() override {
    if (!run_) return;
    run_.reset();  // its threads end before this object can no longer take their calls
    ForgetWork();
  }

  void start() {
    BeginWork([this] { stop(); });
    // Called on a reader thread: the commits belong to the window's thread.
    run_->Start([this] {
      QMetaObject::invokeMethod(
          this, [this] { commitSlice(); }, Qt::QueuedConnection);
    });
  }

 private:
  void stop() {
    if (!run_) return;
    run_->Stop();
    finish();
  }

  void commitSlice() {
    if (run_ && run_->CommitReady(std::chrono::steady_clock::now() + kCommitSlice)) finish();
  }

  void finish() {
    run_.reset();
    EndWork();
    const std::function<void()> finished = std::move(finished_);
    deleteLater();
    finished();
  }

  std::unique_ptr<IntakeRun> run_;
  std::function<void()> finished_;
};

}  // namespace

void StartIntake(std::vector<IntakeStep> steps, std::function<void()> finished) {
  (new IntakeDriver(std::move(steps), std::move(finished)))->start();
}
