#include "scan/playback_check_dialog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "app/choosers.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/window_fixture.h"
#include "app/window_state.h"
#include "platform/cp932.h"
#include "support/riff_builder.h"
#include "support/shown_columns.h"

namespace {

class PlaybackCheckDialogTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetPromptHandlersForTesting({[this](const FileChooserRequest& request) {
                                   chooser_titles_ << request.title;
                                   return log_answer_;
                                 },
                                 nullptr,
                                 [this](const MessageBoxRequest& request) {
                                   messages_.push_back(request);
                                   return QMessageBox::Ok;
                                 }});
    StartWindow(ShownColumnsIni({kColFolder}) + "[WindowFonts]\r\nListFontSize=16\r\n");
  }
  // A row for a file in the test's folder, which need not exist.
  void AddFile(const std::string& name, const std::string& bytes = "") {
    if (!bytes.empty()) files_.Write(name, bytes);
    const int row = ListRowCount();
    ListInsertRow(row, row, name);
    ListSetCell(row, ColumnPosition(kColFolder), files_.path());
  }
  // The log chooser of the playback check command.
  static std::optional<std::string> ChosenLog() { return ChosenPath(ChooseLogFile()); }
  static QPushButton* Button(PlaybackCheckDialog& dialog, int id) {
    return DialogControl<QPushButton>(&dialog, id);
  }
  // Lets the event loop run until the dialog has shown the check's rows; false after 30 s.
  static bool CheckEnds(PlaybackCheckDialog& dialog) {
    return WaitUntil([&] { return Button(dialog, kPlaybackCheckWriteLog)->isEnabled(); }) &&
           !dialog.checkRunning();
  }
  static QStringList Column(PlaybackCheckDialog& dialog, int column) {
    QTreeWidget* list = DialogControl<QTreeWidget>(&dialog, kPlaybackCheckList);
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
    return texts;
  }

  TempDir files_;
  QStringList chooser_titles_;
  QString log_answer_;
  std::vector<MessageBoxRequest> messages_;
};

TEST_F(PlaybackCheckDialogTest, EmptyListChecksOnce) {
  PlaybackCheckDialog dialog(window_.get(), ListFont(), ChosenLog);
  QTreeWidget* list = DialogControl<QTreeWidget>(&dialog, kPlaybackCheckList);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("ﾌｧｲﾙ名"));
  EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("音声Codec"));
  const int widths[] = {200, 39, 39, 90, 100};
  for (int column = 0; column < 5; ++column) EXPECT_EQ(list->header()->sectionSize(column), widths[column]);
  EXPECT_EQ(dialog.height() - list->geometry().bottom() - 1, 32);
  EXPECT_FALSE(Button(dialog, kPlaybackCheckWriteLog)->isEnabled());
  Button(dialog, kPlaybackCheckStart)->click();
  ASSERT_TRUE(CheckEnds(dialog));
  EXPECT_EQ(list->topLevelItemCount(), 0);
  EXPECT_FALSE(Button(dialog, kPlaybackCheckStart)->isEnabled());
  EXPECT_TRUE(Button(dialog, kPlaybackCheckWriteLog)->isEnabled());
}

TEST_F(PlaybackCheckDialogTest, MarksSortAndLog) {
  AddFile("missing.avi");
  AddFile("b.wav", WaveFile(WaveFormatSpec{}, 64));
  AviSpec avi;
  avi.handler = "MP43";
  AddFile("a.avi", AviFile(avi));  // MPEG-4 V3 video, PCM audio
  PlaybackCheckDialog dialog(window_.get(), ListFont(), ChosenLog);
  Button(dialog, kPlaybackCheckStart)->click();
  ASSERT_TRUE(CheckEnds(dialog));
  EXPECT_EQ(Column(dialog, 1), (QStringList{QStringLiteral("×"), QStringLiteral("　"), QStringLiteral("○")}));
  EXPECT_EQ(Column(dialog, 2), (QStringList{QStringLiteral("×"), QStringLiteral("○"), QStringLiteral("○")}));
  EXPECT_EQ(Column(dialog, 3),
            (QStringList{QStringLiteral("ﾌｧｲﾙがありません"), QString(), QStringLiteral("MPEG4 V3")}));

  DialogControl<QTreeWidget>(&dialog, kPlaybackCheckList)->header()->sectionClicked(0);
  EXPECT_EQ(Column(dialog, 0), (QStringList{"a.avi", "b.wav", "missing.avi"}));

  TempDir out;
  log_answer_ = QString::fromStdString(out.path() + "/check.txt");
  Button(dialog, kPlaybackCheckWriteLog)->click();
  EXPECT_EQ(chooser_titles_, QStringList{QStringLiteral("名前をつけて保存")});
  EXPECT_EQ(ReadWholeFile(out.path() + "/check.txt"),
            Utf8ToCp932("ファイル名  映像 音声 映像codec        音声codec\r\n"
                        "a.avi        ○   ○  MPEG4 V3         PCM\r\n"
                        "b.wav        　   ○                   PCM\r\n"
                        "missing.avi  ×   ×  ﾌｧｲﾙがありません \r\n"));
  EXPECT_TRUE(messages_.empty());

  // A cancelled chooser writes nothing; a log that cannot be created is reported.
  log_answer_.clear();
  Button(dialog, kPlaybackCheckWriteLog)->click();
  EXPECT_TRUE(messages_.empty());
  log_answer_ = QString::fromStdString(out.path() + "/no/such/folder/check.txt");
  Button(dialog, kPlaybackCheckWriteLog)->click();
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(messages_[0].text.contains(log_answer_));
}

// The files are probed off the dialog's thread: the start click returns at once, the rows appear in the
// list's order as they are checked, and closing the dialog stops the check.
TEST_F(PlaybackCheckDialogTest, CheckRunsWhileTheDialogAnswersAndStopsWhenClosed) {
  AviSpec avi;
  avi.handler = "MP43";
  const std::string bytes = AviFile(avi);
  for (int file = 0; file < 3000; ++file) AddFile(std::to_string(file) + ".avi", bytes);
  PlaybackCheckDialog dialog(window_.get(), ListFont(), ChosenLog);
  Button(dialog, kPlaybackCheckStart)->click();
  EXPECT_TRUE(dialog.checkRunning());
  EXPECT_FALSE(Button(dialog, kPlaybackCheckStart)->isEnabled());
  ASSERT_TRUE(WaitUntil([&] { return !Column(dialog, 0).empty(); }));
  Button(dialog, kPlaybackCheckClose)->click();
  EXPECT_FALSE(dialog.checkRunning());
  const QStringList shown = Column(dialog, 0);
  for (int row = 0; row < shown.size(); ++row) EXPECT_EQ(shown[row], QString::number(row) + ".avi");
}

}  // namespace
