#include <QApplication>

#include "app/choosers.h"
#include "app/prompts.h"
#include "platform/cp932.h"
#include "window_fixture.h"

namespace {

class ChoosersTest : public WindowTest {
 protected:
  void SetUp() override {
    ChooserPath().clear();
    SetPromptHandlersForTesting({[this](const FileChooserRequest& request) {
                                   requests_.push_back(request);
                                   return answer_;
                                 },
                                 [this](const QString& title) {
                                   folder_title_ = title;
                                   return answer_;
                                 },
                                 nullptr});
  }
  void TearDown() override {
    SetPromptHandlersForTesting({});
    WindowTest::TearDown();
  }

  std::vector<FileChooserRequest> requests_;
  QString folder_title_;
  QString answer_;
};

TEST_F(ChoosersTest, ChoosersShareTheLastChosenPath) {
  StartWindow("[MainSeting]\r\nLoadPath=" + Utf8ToCp932("/home/u/一覧") + "\r\nSavePath=/s\r\n");
  answer_ = "/home/u/list.csv";
  EXPECT_EQ(ChooseListFileToOpen(), 0);
  EXPECT_EQ(ChooserPath(), "/home/u/list.csv");
  answer_ = "";
  EXPECT_EQ(ChooseListFileToSave(), 1);
  EXPECT_EQ(ChooserPath(), "/home/u/list.csv");  // a cancelled chooser leaves it
  answer_ = "/tmp/bg.jpg";
  EXPECT_EQ(ChooseImageFile(), 0);
  EXPECT_EQ(ChooseLogFile(), 0);

  ASSERT_EQ(requests_.size(), 4u);
  EXPECT_EQ(requests_[0].initial_name, "");
  EXPECT_EQ(requests_[1].initial_name, "/home/u/list.csv");
  EXPECT_EQ(requests_[3].initial_name, "/tmp/bg.jpg");

  EXPECT_FALSE(requests_[0].save);
  EXPECT_EQ(requests_[0].title, "ﾌｧｲﾙを開く");
  EXPECT_EQ(requests_[0].initial_folder, "/home/u/一覧");
  EXPECT_EQ(requests_[0].filters.first(), "CSVﾌｧｲﾙ(*.csv)");
  EXPECT_EQ(requests_[0].filters.size(), 3);
  EXPECT_TRUE(requests_[1].save);
  EXPECT_EQ(requests_[1].title, "名前をつけて保存");
  EXPECT_EQ(requests_[1].initial_folder, "/s");
  EXPECT_EQ(requests_[1].default_suffix, "csv");
  EXPECT_EQ(requests_[1].filters.at(2), "HTMLﾌｧｲﾙ(*.htm)");
  EXPECT_EQ(requests_[2].title, "画像ﾌｧｲﾙを開く");
  EXPECT_EQ(requests_[2].filters.first(), "JPEGﾌｧｲﾙ(*.jpg)");
  EXPECT_TRUE(requests_[3].save);
  EXPECT_EQ(requests_[3].filters.first(), "ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
}

TEST_F(ChoosersTest, FolderBrowserReturnsErrOnCancel) {
  StartWindow();
  answer_ = "";
  EXPECT_EQ(BrowseScanFolder(), "Err");
  EXPECT_EQ(folder_title_, "ｽｷｬﾝするﾄﾞﾗｲﾌﾞ･ﾌｫﾙﾀﾞ");
  answer_ = "/";
  EXPECT_EQ(BrowseScanFolder(), "/");
  answer_ = "/media/動画";
  EXPECT_EQ(BrowseScanFolder(), "/media/動画");
}

}  // namespace
