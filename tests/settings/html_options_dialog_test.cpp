#include "settings/html_options_dialog.h"

#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/app_state_reset.h"
#include "app/colour_chooser.h"
#include "app/command_set.h"
#include "app/command_test_fixture.h"
#include "app/dialog_units.h"
#include "app/qt_color.h"
#include "app/tab_order.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "scan/path_intake.h"
#include "settings/html_option_groups.h"
#include "settings/settings.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class HtmlOptionsDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetAppStateForTesting();
    settings_path_ = dir_.path() + "/dorirovo.ini";
    target_ = dir_.path() + "/list.htm";
    UseSettingsFileForTesting(settings_path_);
    ShowOnlyColumns({kColTitle, kColPlayTime});
    ListInsertRow(0, 0, "a.avi");
    ListSetCell(0, 1, Utf8ToCp932("旅 & <海>"));
    ListSetCell(0, 2, "1:05");
    ListInsertRow(1, 1, "b.wav");
  }
  void TearDown() override { ResetAppStateForTesting(); }
  static void Click(const QWidget& dialog, int id) {
    QTest::mouseClick(DialogControl<QAbstractButton>(&dialog, id), Qt::LeftButton);
  }
  static QString Text(const QWidget& dialog, int id) { return DialogControl<QLineEdit>(&dialog, id)->text(); }
  static std::vector<int> CheckedRadios(const QWidget& dialog) {
    std::vector<int> checked;
    for (const HtmlRadioGroup& group : kHtmlRadioGroups) {
      for (int id : group.button_ids) {
        if (id != 0 && DialogControl<QRadioButton>(&dialog, id)->isChecked()) checked.push_back(id);
      }
    }
    return checked;
  }
  static uint32_t Swatch(const QWidget& dialog, int id) {
    return ToColorReference(DialogControl<QFrame>(&dialog, id)->palette().color(QPalette::Window));
  }

  TempDir dir_;
  std::string settings_path_;
  std::string target_;
  std::optional<std::string> chosen_image_;
  std::function<std::optional<std::string>()> choose_image_ = [this] { return chosen_image_; };
};

TEST_F(HtmlOptionsDialogTest, WithoutStoredKeysEveryControlShowsItsDefault) {
  HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("HTML形式保存ｵﾌﾟｼｮﾝ"));
  EXPECT_EQ(Text(dialog, kHtmlCaption) + "|" + Text(dialog, kHtmlTopTitle) + "|" +
                Text(dialog, kHtmlOuterBackImage) + "|" + Text(dialog, kHtmlOuterFontSize) + "|" +
                Text(dialog, kHtmlItemFontSize),
            "Untitled|Untitled|C:\\|7|3");
  EXPECT_EQ(CheckedRadios(dialog),
            (std::vector<int>{kHtmlOuterAlignCentre, kHtmlOuterBackOfColor, kHtmlTopAlignCentre,
                              kHtmlItemsOneColor, kHtmlItemAlignCentre}));
  for (int white : {kHtmlOuterBackColorSwatch, kHtmlTopBackColorSwatch, kHtmlItemBackColor1Swatch})
    EXPECT_EQ(Swatch(dialog, white), 0xffffffu) << white;
  for (int black : {kHtmlTopTextColorSwatch, kHtmlItemTextColor1Swatch, kHtmlItemTextColor2Swatch,
                    kHtmlOuterTextColorSwatch})
    EXPECT_EQ(Swatch(dialog, black), 0u) << black;
  EXPECT_EQ(Swatch(dialog, kHtmlItemBackColor2Swatch), 0xccccccu);
}

// "設定を保存" stores and stays open, "保存中止" writes nothing, "保存" writes the page with the
// choices made but leaves the settings file alone.
TEST_F(HtmlOptionsDialogTest, StoreSaveAndStop) {
  {
    HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
    DialogControl<QLineEdit>(&dialog, kHtmlTopTitle)->setText(QStringLiteral("動画一覧"));
    Click(dialog, kHtmlOuterAlignRight);
    QSignalSpy finished(&dialog, &QDialog::finished);
    Click(dialog, kHtmlStoreOptions);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(ReadSettingText(kHtmlSetting, "TopTitle", "-", 128), Utf8ToCp932("動画一覧"));
    EXPECT_EQ(ReadSettingInt(kHtmlSetting, "FoStrDrawType", -1), 2);
    Click(dialog, kHtmlStopSave);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.at(0).at(0).toInt(), QDialog::Rejected);
    EXPECT_FALSE(dialog.saveResult());
    EXPECT_EQ(ReadWholeFile(target_), "") << "stop writes no list file";
  }
  const std::string stored = ReadWholeFile(settings_path_);
  HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
  EXPECT_EQ(Text(dialog, kHtmlTopTitle), QStringLiteral("動画一覧"));
  DialogControl<QLineEdit>(&dialog, kHtmlCaption)->setText(QStringLiteral("Only this once"));
  Click(dialog, kHtmlSave);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_TRUE(dialog.saveResult() && dialog.saveResult()->ok);
  const std::string page = ReadWholeFile(target_);
  EXPECT_NE(page.find("<title>Only this once</title>"), std::string::npos) << page;
  EXPECT_NE(page.find(Utf8ToCp932("動画一覧")), std::string::npos);
  EXPECT_EQ(ReadWholeFile(settings_path_), stored);
}

// The window's HTML save and the batch command's -o list.htm give the same bytes for the same tree and
// stored options.
TEST_F(HtmlOptionsDialogTest, SavedPageEqualsTheBatchCommandOutput) {
  const std::string settings =
      dir_.Write("dorirovo.ini",
                 "[Customize]\r\nVolLabel=0\r\nFileSizeBT=0\r\n[HtmlSetting]\r\nTopTitle=Clips\r\n"
                 "FiiListDraw=1\r\nFoStrDrawType=2\r\nFiiFontColor2=0xff\r\nFoBackDrawType=1\r\n"
                 "FoBackImage=sky.jpg\r\nFitStrDrawType=0\r\nFiiFontSize=2\r\n");
  dir_.Write("tree/b.avi", "RIFF");
  dir_.Write("tree/a.mpg", std::string(123456, 'x'));
  dir_.Write("tree/sub/c.wav", "RIFF");
  const std::string tree = dir_.path() + "/tree";
  LoadSettings();
  ListResetForTesting();
  BuildColumns();
  TakeCommandLinePaths({tree});
  ASSERT_EQ(ListRowCount(), 3);
  HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
  Click(dialog, kHtmlSave);
  ASSERT_TRUE(dialog.saveResult() && dialog.saveResult()->ok);
  const std::string batch_output = dir_.path() + "/batch.htm";
  const ProgramResult batch =
      RunProgram(TESSAROLL_CLI_PATH, {"-q", "-s", settings, "-o", batch_output, tree});
  ASSERT_EQ(batch.exit_code, 0) << batch.err;
  EXPECT_EQ(ReadWholeFile(target_), ReadWholeFile(batch_output));
  EXPECT_NE(ReadWholeFile(target_).find("background=\"sky.jpg\""), std::string::npos);
}

TEST_F(HtmlOptionsDialogTest, RadioGroupsAreCheckedByTheDialog) {
  dir_.Write("dorirovo.ini", "[HtmlSetting]\r\nFoStrDrawType=7\r\nFiiListDraw=1\r\n");
  HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
  EXPECT_EQ(CheckedRadios(dialog), (std::vector<int>{kHtmlOuterBackOfColor, kHtmlTopAlignCentre,
                                                     kHtmlItemsAlternateColors, kHtmlItemAlignCentre}))
      << "7 checks no button of its group";
  Click(dialog, kHtmlItemAlignLeft);
  Click(dialog, kHtmlItemsAlternateColors);
  EXPECT_EQ(CheckedRadios(dialog), (std::vector<int>{kHtmlOuterBackOfColor, kHtmlTopAlignCentre,
                                                     kHtmlItemsAlternateColors, kHtmlItemAlignLeft}))
      << "one per group; the checked one stays checked";
  Click(dialog, kHtmlStoreOptions);
  EXPECT_EQ(ReadSettingText(kHtmlSetting, "FoStrDrawType", "-", 8), "7")
      << "a group without button keeps its key";
  EXPECT_EQ(ReadSettingInt(kHtmlSetting, "FiiStrDrawType", -1), 0);
  Click(dialog, kHtmlOuterAlignLeft);
  Click(dialog, kHtmlStoreOptions);
  EXPECT_EQ(ReadSettingInt(kHtmlSetting, "FoStrDrawType", -1), 0);
  // Tab follows the layout: radios group by group, each edit then its own 参照 button.
  for (auto [from, to] : {std::pair{kHtmlOuterAlignRight, kHtmlOuterFontSize},
                          {kHtmlOuterFontSize, kHtmlChooseOuterTextColor},
                          {kHtmlOuterBackOfImage, kHtmlChooseOuterBackColor},
                          {kHtmlOuterBackImage, kHtmlBrowseOuterBackImage},
                          {kHtmlTopAlignRight, kHtmlItemsOneColor},
                          {kHtmlItemAlignRight, kHtmlItemFontSize}})
    EXPECT_EQ(NextByTab(dialog, from), to) << from;
}

TEST_F(HtmlOptionsDialogTest, ImageAndColourChoosers) {
  dir_.Write("dorirovo.ini", "[HtmlSetting]\r\nFoFontColor=0xff\r\n");
  SetColorChooserForTesting([](uint32_t, CustomColors& custom) {
    custom[15] = 0x010203;
    return std::optional<uint32_t>(0x00ff00);
  });
  HtmlOptionsDialog dialog(nullptr, target_, choose_image_);
  Click(dialog, kHtmlBrowseOuterBackImage);
  EXPECT_EQ(Text(dialog, kHtmlOuterBackImage), "C:\\") << "cancelled image chooser";
  chosen_image_ = dir_.path() + "/pictures/back.jpg";
  Click(dialog, kHtmlBrowseOuterBackImage);
  EXPECT_EQ(Text(dialog, kHtmlOuterBackImage), "back.jpg");
  Click(dialog, kHtmlChooseItemBackColor2);
  EXPECT_EQ(Swatch(dialog, kHtmlItemBackColor2Swatch), 0x00ff00u);
  EXPECT_EQ(dialog.CurrentOptions().FiiBackColor2, 0x00ff00u);
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kHtmlOptions)[15], 0x010203u);
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kSettingsDialog)[15], 0u);
  Click(dialog, kHtmlOuterBackOfImage);
  Click(dialog, kHtmlSave);
  EXPECT_NE(ReadWholeFile(target_).find("background=\"back.jpg\""), std::string::npos)
      << "the page, with the bare image name, still goes to the target";
}

}  // namespace

namespace {

using HtmlSaveCommandTest = CommandTest;

// Save as list.htm goes through the dialog: "保存中止" writes nothing and keeps the title and current
// file, "保存" writes the page and makes it the current file; overwrite-save opens the dialog on the
// current file again, and a failed write is reported.
TEST_F(HtmlSaveCommandTest, SaveAsAndOverwriteSaveOpenTheDialog) {
  StartWindow();
  AddRows(2);
  const std::string page = dir_.path() + "/list.htm";
  std::vector<std::string> targets;
  const auto press = [&targets](int id) {
    QTimer::singleShot(0, [&targets, id] {
      auto* dialog = qobject_cast<HtmlOptionsDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      targets.push_back(ChooserPath());
      DialogControl<QPushButton>(dialog, id)->click();
    });
  };
  Answer(page);
  press(2);
  HandleCommand(kCmdSaveAs);
  EXPECT_FALSE(std::filesystem::exists(page));
  EXPECT_EQ(CurrentListFile(), "");
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
  Answer(page);
  press(1);
  HandleCommand(kCmdSaveAs);
  EXPECT_EQ(CurrentListFile(), page);
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <list.htm>");

  ChooserPath() = dir_.path() + "/elsewhere.csv";
  press(1);
  HandleCommand(kCmdOverwriteSave);
  EXPECT_EQ(targets.back(), page);
  EXPECT_NE(ReadWholeFile(page).find("<td"), std::string::npos);
  EXPECT_TRUE(messages_.empty());

  std::filesystem::remove(page);
  std::filesystem::create_directory(page);  // a folder in its place: the write fails
  press(1);
  HandleCommand(kCmdOverwriteSave);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "保存失敗");
  EXPECT_TRUE(messages_[0].text.contains("list.htm"));
}

}  // namespace
