#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTimer>

#include "app/choosers.h"
#include "app/prompts.h"
#include "platform/cp932.h"
#include "window_fixture.h"

namespace {

class ChoosersTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
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

// The real chooser: a remembered folder under /proc starts it in the home folder, and going into /proc
// (as typing "/proc/" does) lists it without reading files such as /proc/kmsg, which never answer. Each
// designed filter is shown once, and "all files" matches names without a dot too.
TEST_F(ChoosersTest, RealChooserNeverBlocksOnPseudoFilesAndShowsEachFilterOnce) {
  StartWindow("[MainSeting]\r\nSavePath=/proc\r\n");
  SetPromptHandlersForTesting({});
  ChooserPath() = "/proc/list.csv";
  QString started_in;
  QStringList shown_filters;
  QTimer::singleShot(0, [&] {
    auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(chooser, nullptr);
    started_in = chooser->directory().absolutePath();
    auto* filter_box = chooser->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    for (int i = 0; filter_box && i < filter_box->count(); ++i) shown_filters << filter_box->itemText(i);
    chooser->setDirectory(QStringLiteral("/proc"));
    chooser->selectNameFilter(chooser->nameFilters().last());
    QElapsedTimer listing;
    listing.start();
    while (listing.elapsed() < 1500) QApplication::processEvents(QEventLoop::AllEvents, 50);
    chooser->reject();
  });
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_EQ(ChooseListFileToSave(), 1);
  EXPECT_LT(elapsed.elapsed(), 6000);
  EXPECT_EQ(started_in, QDir::homePath());
  EXPECT_EQ(shown_filters,
            (QStringList{"CSVﾌｧｲﾙ(*.csv)", "ﾃｷｽﾄﾌｧｲﾙ(*.txt)", "HTMLﾌｧｲﾙ(*.htm)", "すべてのﾌｧｲﾙ(*.*)"}));
}

}  // namespace
