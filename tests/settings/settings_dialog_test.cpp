#include "settings/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/app_state_reset.h"
#include "app/colour_chooser.h"
#include "app/command_set.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_color.h"
#include "app/tab_order.h"
#include "app/window_fixture.h"
#include "platform/cp932.h"
#include "res/command_ids.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class SettingsDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetAppStateForTesting();
    path_ = dir_.path() + "/dorirovo.ini";
    UseSettingsFileForTesting(path_);
  }
  void TearDown() override { ResetAppStateForTesting(); }
  void UseFile(const std::string& content) {
    dir_.Write("dorirovo.ini", content);
    LoadSettings();
  }
  static void Click(const QWidget& dialog, int id) {
    QTest::mouseClick(DialogControl<QPushButton>(&dialog, id), Qt::LeftButton);
  }
  static bool Checked(const QWidget& dialog, int id) {
    return DialogControl<QCheckBox>(&dialog, id)->isChecked();
  }
  std::string Key(const char* section, const char* key) { return ReadSettingText(section, key, "-", 300); }

  TempDir dir_;
  std::string path_;
  std::string browsed_ = "Err";
  std::function<std::string()> browse_ = [this] { return browsed_; };
};

uint32_t SwatchColor(const QWidget& dialog, int id) {
  return ToColorReference(DialogControl<QFrame>(&dialog, id)->palette().color(QPalette::Window));
}

// Without ListClear and SizeInfo the program runs with both off: the dialog shows them off while the
// column boxes open checked, and OK keeps both off.
TEST_F(SettingsDialogTest, MissingKeysShowTheListOptionsAsTheyRun) {
  UseFile("[Customize]\r\nPlayTime=0\r\nListBkColor=0xff\r\n");
  SettingsDialog dialog(nullptr, browse_);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("動作設定"));
  for (const SettingsCheckBox& box : kSettingsCheckBoxes) {
    SCOPED_TRACE(box.key);
    EXPECT_EQ(Checked(dialog, box.id), box.id != kSettingsShowPlayTime &&
                                           box.id != kSettingsClearListOnScan &&
                                           box.id != kSettingsSizeUnitsInItems);
  }
  EXPECT_EQ(DialogControl<QLineEdit>(&dialog, kSettingsMainFontSize)->text(), "12");
  EXPECT_EQ(SwatchColor(dialog, kSettingsMainColorSwatch), 0u);
  EXPECT_EQ(SwatchColor(dialog, kSettingsListBackColorSwatch), 0xffu);
  Click(dialog, kSettingsOk);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(Settings().ListClear + Settings().SizeInfo, 0);
  EXPECT_EQ(Key(kCustomize, "ListClear") + Key(kCustomize, "SizeInfo") + Key(kCustomize, "PlayTime"), "000");
}

// Reset then OK stores exactly the six boxes and size 12, and keeps the folder, the colours and (where
// the default face is not installed) the selected faces.
TEST_F(SettingsDialogTest, ResetThenOkStoresTheSixBoxes) {
  UseFile("[Customize]\r\nAutoScan=/srv/movies\r\nMainColor=0x123\r\n[WindowFonts]\r\nMainFontSize=20\r\n");
  SettingsDialog dialog(nullptr, browse_);
  ASSERT_FALSE(dialog.faces().empty()) << "the test machine needs a Japanese font";
  DialogControl<QComboBox>(&dialog, kSettingsMainFontFace)->setCurrentIndex(0);
  const std::string face_before = dialog.CurrentValues().MainFontType;
  QSignalSpy finished(&dialog, &QDialog::finished);
  Click(dialog, kSettingsReset);
  EXPECT_EQ(finished.count(), 0) << "reset keeps the dialog open";
  EXPECT_EQ(Key(kWindowFonts, "MainFontSize"), "20") << "reset writes nothing";
  Click(dialog, kSettingsOk);
  std::string stored;
  for (const SettingsCheckBox& box : kSettingsCheckBoxes) stored += Key(kCustomize, box.key);
  EXPECT_EQ(stored, "010100000110001001");
  EXPECT_EQ(Key(kWindowFonts, "MainFontSize") + Key(kWindowFonts, "ListFontSize"), "1212");
  const std::string gothic = Utf8ToCp932("ＭＳ Ｐゴシック");
  const bool default_face_listed = !ListedFace(dialog.faces(), gothic).empty();
  EXPECT_EQ(Key(kWindowFonts, "MainFontType"), default_face_listed ? gothic : face_before);
  EXPECT_EQ(Key(kCustomize, "AutoScan"), "/srv/movies");
  EXPECT_EQ(Key(kCustomize, "MainColor"), "0x123");
}

// Every chooser starts on the colour last confirmed anywhere; a cancelled one leaves its field's colour.
// The dialog lends the chooser its own custom colours.
TEST_F(SettingsDialogTest, CancelledChooserLeavesTheColour) {
  UseFile("[Customize]\r\nListFoColor=0xabcdef\r\n");
  std::vector<uint32_t> starts;
  std::vector<std::optional<uint32_t>> answers = {0x123456, std::nullopt};
  SetColorChooserForTesting([&](uint32_t start, CustomColors& custom) {
    starts.push_back(start);
    custom[0] = 0x777777;
    std::optional<uint32_t> answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  });
  SettingsDialog dialog(nullptr, browse_);
  EXPECT_EQ(SwatchColor(dialog, kSettingsListTextColorSwatch), 0xabcdefu);
  Click(dialog, kSettingsChooseMainColor);
  Click(dialog, kSettingsChooseListTextColor);
  EXPECT_EQ(starts, (std::vector<uint32_t>{0, 0x123456}));
  EXPECT_EQ(SwatchColor(dialog, kSettingsMainColorSwatch), 0x123456u);
  EXPECT_EQ(SwatchColor(dialog, kSettingsListTextColorSwatch), 0xabcdefu) << "cancel left the colour";
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kSettingsDialog)[0], 0x777777u);
  EXPECT_EQ(CustomColorsOf(ColorChooserOwner::kHtmlOptions)[0], 0u);
  Click(dialog, kSettingsOk);
  EXPECT_EQ(Key(kCustomize, "MainColor") + Key(kCustomize, "ListFoColor"), "0x1234560xabcdef");
  EXPECT_EQ(Settings().ListFoColor, 0xabcdefu);
}

TEST_F(SettingsDialogTest, FolderBrowserAndFaceLists) {
  UseFile("[Customize]\r\nAutoScan=/old\r\n[WindowFonts]\r\nListFontType=No Such Face\r\n");
  SettingsDialog dialog(nullptr, browse_);
  Click(dialog, kSettingsBrowseAutoScanFolder);
  EXPECT_EQ(DialogControl<QLineEdit>(&dialog, kSettingsAutoScanFolder)->text(), "/old")
      << "cancelled browser";
  browsed_ = "/home/u/動画";
  Click(dialog, kSettingsBrowseAutoScanFolder);
  EXPECT_EQ(DialogControl<QLineEdit>(&dialog, kSettingsAutoScanFolder)->text(),
            QStringLiteral("/home/u/動画"));
  // A name CP932 cannot hold is refused, naming the folder and its characters; the field keeps its value.
  std::vector<MessageBoxRequest> messages;
  SetPromptHandlersForTesting({nullptr, nullptr, [&messages](const MessageBoxRequest& request) {
                                 messages.push_back(request);
                                 return QMessageBox::Ok;
                               }});
  browsed_ = "/home/u/한국 동画";
  Click(dialog, kSettingsBrowseAutoScanFolder);
  SetPromptHandlersForTesting({});
  EXPECT_EQ(DialogControl<QLineEdit>(&dialog, kSettingsAutoScanFolder)->text(),
            QStringLiteral("/home/u/動画"));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.contains(QStringLiteral("/home/u/한국 동画")));
  EXPECT_TRUE(messages[0].text.contains(QStringLiteral("(한 국 동)")));
  EXPECT_EQ(DialogControl<QComboBox>(&dialog, kSettingsListFontFace)->currentText(), "No Such Face")
      << "stored face shown";
  // Tab follows the layout: each edit then its own 参照 button, the font rows in turn.
  for (auto [from, to] : {std::pair{kSettingsAutoScanFolder, kSettingsBrowseAutoScanFolder},
                          {kSettingsMainFontFace, kSettingsMainFontSize},
                          {kSettingsMainFontSize, kSettingsChooseMainColor},
                          {kSettingsListFontSize, kSettingsChooseListTextColor}})
    EXPECT_EQ(NextByTab(dialog, from), to) << from;
  SettingsDialog again(nullptr, browse_);
  QComboBox* faces = DialogControl<QComboBox>(&again, kSettingsMainFontFace);
  QSet<QString> unique;
  for (int i = 0; i < faces->count(); ++i) unique.insert(faces->itemText(i));
  EXPECT_EQ(unique.size(), faces->count()) << "every face once, however often the dialog opens";
  EXPECT_EQ(static_cast<size_t>(faces->count()), again.faces().size());
  Click(dialog, kSettingsOk);
  EXPECT_EQ(Key(kWindowFonts, "ListFontType"), "No Such Face");
  EXPECT_EQ(Settings().AutoScan, Utf8ToCp932("/home/u/動画"));
}

}  // namespace

namespace {

using SettingsCommandTest = WindowTest;

// Command 40018 opens the dialog centred over the main window; OK stores four typed digits as three and
// rebuilds the fonts ("012" is read as octal 10) and recolours the list at once.
TEST_F(SettingsCommandTest, OkRebuildsFontsAndRecoloursTheList) {
  StartWindow("[Customize]\r\nListBkColor=0xffffff\r\n");
  window_->setGeometry(100, 80, 700, 500);
  SetColorChooserForTesting([](uint32_t, CustomColors&) { return std::optional<uint32_t>(0x336699); });
  bool answered = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    // Centred before it is shown, when its frame is not yet known: centres agree within the frame.
    const QPoint offset = dialog->frameGeometry().center() - window_->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    QLineEdit* size = DialogControl<QLineEdit>(dialog, kSettingsListFontSize);
    size->clear();
    QTest::keyClicks(size, "01x23");
    EXPECT_EQ(size->text(), "0123") << "digits only, and the edit holds more than is stored";
    DialogControl<QPushButton>(dialog, kSettingsChooseListBackColor)->click();
    DialogControl<QPushButton>(dialog, kSettingsOk)->click();
    answered = true;
  });
  HandleCommand(kCmdCustomize);
  SetColorChooserForTesting({});
  ASSERT_TRUE(answered);
  EXPECT_LE(QFontMetrics(ListFont()).height(), 10) << "012: a cell of 10 pixels";
  EXPECT_EQ(window_->listView()->font(), ListFont());
  EXPECT_EQ(window_->listView()->horizontalHeader()->font(), ListFont());
  EXPECT_EQ(ToColorReference(window_->listView()->palette().color(QPalette::Base)), 0x336699u);
  EXPECT_EQ(ReadSettingText(kCustomize, "ListBkColor", "-", 32), "0x336699");
  EXPECT_EQ(ReadSettingText(kWindowFonts, "ListFontSize", "-", 8), "012");
}

TEST_F(SettingsCommandTest, CancelLeavesFontsAndColours) {
  StartWindow("[Customize]\r\nListBkColor=0xffffff\r\n");
  SetColorChooserForTesting([](uint32_t, CustomColors&) { return std::optional<uint32_t>(0x336699); });
  const std::string before = SettingsFileText();
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    DialogControl<QPushButton>(dialog, kSettingsChooseListBackColor)->click();
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  HandleCommand(kCmdCustomize);
  SetColorChooserForTesting({});
  EXPECT_EQ(ToColorReference(window_->listView()->palette().color(QPalette::Base)), 0xffffffu);
  EXPECT_EQ(Settings().ListBkColor, 0xffffffu);
  EXPECT_EQ(SettingsFileText(), before);
}

// A stored face the platform does not have (fontconfig substitutes one for it), such as the default
// "ＭＳ Ｐゴシック" on Linux, opens selected and survives OK instead of being stored as an empty face.
TEST_F(SettingsDialogTest, UninstalledFacesSurviveOk) {
  const std::string gothic = Utf8ToCp932("ＭＳ Ｐゴシック");
  UseFile("[WindowFonts]\r\nListFontType=No Such Face\r\n");
  SettingsDialog dialog(nullptr, browse_);
  EXPECT_EQ(DialogControl<QComboBox>(&dialog, kSettingsMainFontFace)->currentText(),
            QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(DialogControl<QComboBox>(&dialog, kSettingsListFontFace)->currentText(), "No Such Face");
  Click(dialog, kSettingsOk);
  EXPECT_EQ(Key(kWindowFonts, "MainFontType"), gothic);
  EXPECT_EQ(Key(kWindowFonts, "ListFontType"), "No Such Face");
  EXPECT_EQ(Settings().MainFontType + "|" + Settings().ListFontType, gothic + "|No Such Face");
}

}  // namespace
