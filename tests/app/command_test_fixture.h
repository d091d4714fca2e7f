#pragma once
// A window whose choosers, folder browser and message boxes are answered by the test.
#include <QLabel>
#include <deque>
#include <filesystem>
#include <vector>

#include "app/choosers.h"
#include "app/list_commands_state.h"
#include "app/prompts.h"
#include "app/row_commands.h"
#include "window_fixture.h"

class CommandTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetPromptHandlersForTesting({[this](const FileChooserRequest&) { return NextAnswer(); },
                                 [this](const QString&) { return NextAnswer(); },
                                 [this](const MessageBoxRequest& request) {
                                   messages_.push_back(request);
                                   return message_answer_;
                                 }});
  }

  QString NextAnswer() {
    if (answers_.empty()) return {};
    const std::string answer = answers_.front();
    answers_.pop_front();
    return QString::fromStdString(answer);
  }

  // The answer of the next chooser or folder browser; "" cancels.
  void Answer(const std::string& path) { answers_.push_back(path); }

  std::deque<std::string> answers_;
  std::vector<MessageBoxRequest> messages_;
  QMessageBox::StandardButton message_answer_ = QMessageBox::Ok;
};
