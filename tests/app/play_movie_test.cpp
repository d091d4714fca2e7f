#include <cstdlib>

#include "app/command_set.h"
#include "app/prompts.h"
#include "list/columns.h"
#include "res/command_ids.h"
#include "support/recording_player.h"
#include "window_fixture.h"

namespace {

class PlayMovieTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    const char* path = std::getenv("PATH");
    saved_path_ = path ? path : "";
    SetPromptHandlersForTesting({nullptr, nullptr, [this](const MessageBoxRequest& request) {
                                   messages_.push_back(request);
                                   return QMessageBox::Ok;
                                 }});
  }
  void TearDown() override {
    setenv("PATH", saved_path_.c_str(), 1);
    WindowTest::TearDown();
  }

  // The only player on PATH, recording its arguments.
  void InstallPlayer() {
    WriteRecordingPlayer(players_, "mpv", players_.path() + "/args.txt");
    setenv("PATH", players_.path().c_str(), 1);
  }

  std::string PlayerArguments() const { return AwaitPlayerRecord(players_.path() + "/args.txt"); }

  // One row for the file, as the entry builder leaves it.
  static void AddFileRow(const std::string& folder, const std::string& name) {
    ListInsertRow(0, 0, name);
    ListSetCell(0, ColumnPosition(kColFolder), folder);
    ListSetSelected(0, true);
  }

  TempDir players_, movies_;
  std::string saved_path_;
  std::vector<MessageBoxRequest> messages_;
};

TEST_F(PlayMovieTest, PlaysTheSelectedFileWithSpacesAsOneArgument) {
  StartWindow();
  InstallPlayer();
  const std::string movie = movies_.Write("a b/c d.avi", "x");
  AddFileRow(movies_.path() + "/a b", "c d.avi");
  HandleCommand(kCmdPlayMovie);
  EXPECT_EQ(PlayerArguments(), "1|" + movie);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(PlayMovieTest, MissingFileShowsTheNotFoundMessage) {
  StartWindow();
  InstallPlayer();
  AddFileRow(movies_.path(), "gone.avi");
  HandleCommand(kCmdPlayMovie);
  ListSetSelected(0, false);
  HandleCommand(kCmdPlayMovie);  // nothing selected: no file either
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_FALSE(messages_[0].owned_by_main_window);
  EXPECT_EQ(messages_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(messages_[0].caption, "再生失敗");
  EXPECT_EQ(messages_[0].text, "再生するﾌｧｲﾙが見つかりません\n再生は失敗しました");
  EXPECT_EQ(ReadWholeFile(players_.path() + "/args.txt"), "");
}

TEST_F(PlayMovieTest, HiddenFolderColumnLeavesNoPathToPlay) {
  StartWindow("[Customize]\r\nDirPath=0\r\n");
  InstallPlayer();
  movies_.Write("a.avi", "x");
  ListInsertRow(0, 0, "a.avi");
  ListSetRowPath(0, movies_.path() + "/a.avi");
  ListSetSelected(0, true);
  HandleCommand(kCmdPlayMovie);
  EXPECT_EQ(messages_.size(), 1u);
}

TEST_F(PlayMovieTest, NoPlayerOnTheSystemStopsSilently) {
  StartWindow();
  setenv("PATH", movies_.path().c_str(), 1);
  AddFileRow(movies_.path(), "gone.avi");
  HandleCommand(kCmdPlayMovie);
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
