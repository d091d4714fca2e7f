#pragma once
// A main window over a settings file of the test's own, created as at start-up.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <functional>
#include <memory>
#include <string>

#include "app/app_state_reset.h"
#include "app/background_work.h"
#include "app/main_window.h"
#include "app/unsaved_edits.h"
#include "app/window_state.h"
#include "list/list_model.h"
#include "scan/core_state_reset.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

// Lets the event loop run until done() holds; false when it still does not after 30 s.
inline bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer waited;
  waited.start();
  while (!done() && waited.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

// Lets the event loop run until the window's work (a scan, an intake) has ended; false after 30 s.
inline bool WaitForWork() {
  return WaitUntil([] { return !WorkRunning(); });
}

class WindowTest : public testing::Test {
 protected:
  void SetUp() override { ResetAppStateForTesting(); }

  // Writes the settings file (CP932 text; empty: no file), then builds and sets up the window. A window
  // started again within a case starts from the core's start state; the case's own handlers stay.
  void StartWindow(const std::string& ini = "") {
    settings_path_ = ini.empty() ? dir_.path() + "/dorirovo.ini" : dir_.Write("dorirovo.ini", ini);
    ResetCoreStateForTesting();
    NoteEditsKept();
    UseSettingsFileForTesting(settings_path_);
    LoadSettings();
    window_ = std::make_unique<MainWindow>();
    ApplyWindowSettings();
  }

  void TearDown() override {
    window_.reset();
    ResetAppStateForTesting();
  }

  // Appends rows named a0, a1, ... with their row number as key and the text in every other cell.
  static void AddRows(int count, const std::string& text = "x") {
    for (int i = 0; i < count; ++i) {
      const int row = ListRowCount();
      ListInsertRow(row, row, "a" + std::to_string(row));
      for (int position = 1; position < ListColumnCount(); ++position) ListSetCell(row, position, text);
    }
  }

  std::string SettingsFileText() const { return ReadWholeFile(settings_path_); }

  TempDir dir_;
  std::string settings_path_;
  std::unique_ptr<MainWindow> window_;
};
