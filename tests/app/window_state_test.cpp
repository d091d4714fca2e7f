#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/command_set.h"
#include "app/menu_state.h"
#include "list/columns.h"
#include "res/command_ids.h"
#include "window_fixture.h"

namespace {

using WindowStateTest = WindowTest;

// The key names of the file's lines, in order.
std::vector<std::string> KeysInOrder(const std::string& text) {
  std::vector<std::string> keys;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    const size_t equals = line.find('=');
    if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    start = end + 1;
  }
  return keys;
}

TEST_F(WindowStateTest, FirstExitWritesTheWindowKeysInOrder) {
  StartWindow();
  window_->move(70, 80);
  window_->resize(500, 400);
  HandleCommand(kCmdFilterRm);
  window_->close();
  const std::string text = SettingsFileText();
  const std::vector<std::string> expected = {
      "Left",   "Top",    "Width",   "Height",   "ToolBar",  "StatusBar", "GridLine", "ExtAVI", "ExtMPEG1",
      "ExtASF", "ExtRM",  "ExtWAVE", "MPGTIME",  "MPG4RATE", "ExtMPG2",   "ExtQT",    "ExtMP4", "ExtMKV",
      "ExtTS",  "ExtFLV", "ExtOGG",  "ExtAUDIO", "ExtWM",    "LoadPath",  "SavePath", "File",   "Sizeb",
      "Sizem",  "Sizek",  "Title",   "Mvinfo",   "Sndinfo",  "Mvrate",    "Sndrate",  "fps",    "Rezo",
      "Time",   "Junle",  "Cpright", "Comment",  "Dirpath",  "Volume"};
  EXPECT_EQ(KeysInOrder(text), expected);
  for (const char* line :
       {"Left=70", "Top=80", "Width=500", "Height=400", "ToolBar=1", "GridLine=1", "ExtRM=0", "ExtAVI=1",
        "ExtWM=1", "LoadPath=\r", "File=200", "Comment=400", "Volume=100"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

// The items of the kinds read through libavformat flip their flags, which exit saves under their keys.
TEST_F(WindowStateTest, LaterKindItemsAreSavedUnderTheirKeys) {
  StartWindow();
  const std::pair<int, std::string> items[] = {
      {kCmdFilterMp4, "ExtMP4"}, {kCmdFilterMkv, "ExtMKV"}, {kCmdFilterTs, "ExtTS"},
      {kCmdFilterFlv, "ExtFLV"}, {kCmdFilterOgg, "ExtOGG"}, {kCmdFilterAudio, "ExtAUDIO"},
      {kCmdFilterWm, "ExtWM"},
  };
  for (const auto& [item, key] : items) {
    HandleCommand(item);
    EXPECT_EQ(ReadMenuStateCode(item), kMenuEnabled) << key;
  }
  HandleCommand(kCmdFilterTs);
  window_->close();
  for (const auto& [item, key] : items) {
    EXPECT_NE(SettingsFileText().find(key + (item == kCmdFilterTs ? "=1\r\n" : "=0\r\n")), std::string::npos)
        << key;
  }
}

TEST_F(WindowStateTest, NothingIsWrittenWhenSaveStateAtExitIsOff) {
  const std::string ini = "[MainSeting]\r\nEndSet=2\r\n";
  StartWindow(ini);
  EXPECT_EQ(ReadMenuStateCode(kCmdSaveStateAtExit), kMenuEnabled);
  window_->close();
  EXPECT_EQ(SettingsFileText(), ini);
}

TEST_F(WindowStateTest, ToolBarOtherThanOneStartsHiddenAndIsSavedAsTwo) {
  StartWindow("[MainSeting]\r\nToolBar=2\r\nStatusBar=0\r\n");
  EXPECT_TRUE(window_->toolBar()->isHidden());
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuEnabled);
  EXPECT_TRUE(window_->statusBar()->isHidden());
  window_->close();
  EXPECT_NE(SettingsFileText().find("ToolBar=2"), std::string::npos);
  EXPECT_NE(SettingsFileText().find("StatusBar=2"), std::string::npos);
}

TEST_F(WindowStateTest, FlagsOfZeroUncheckTheirItems) {
  StartWindow(
      "[MainSeting]\r\nExtAVI=0\r\nExtQT=2\r\nMPG4RATE=0\r\nMPGTIME=0\r\nExtMKV=0\r\n[Customize]\r\n"
      "PlayTime=0\r\n");
  EXPECT_EQ(ReadMenuStateCode(kCmdFilterAvi), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdFilterMkv), kMenuEnabled);
  EXPECT_EQ(ReadMenuStateCode(kCmdFilterMp4), kMenuChecked);
  EXPECT_EQ(ReadMenuStateCode(kCmdFilterQt), kMenuChecked);  // only 0 unchecks
  EXPECT_EQ(ReadMenuStateCode(kCmdMpeg4Rate), kMenuEnabled);
  // Greyed for the hidden playing-time column, then enabled again by MPGTIME=0.
  EXPECT_EQ(ReadMenuStateCode(kCmdMpegTime), kMenuEnabled);
  window_.reset();
  StartWindow("[Customize]\r\nPlayTime=0\r\n");
  EXPECT_EQ(ReadMenuStateCode(kCmdMpegTime), kMenuGreyed);
}

TEST_F(WindowStateTest, FontsComeFromTheSettings) {
  StartWindow();
  EXPECT_EQ(MainFont().family(), "ＭＳ Ｐゴシック");
  // Height 12 is the character cell: the largest em whose cell fits.
  EXPECT_LE(QFontMetrics(MainFont()).height(), 12);
  QFont larger = MainFont();
  larger.setPixelSize(MainFont().pixelSize() + 1);
  EXPECT_GT(QFontMetrics(larger).height(), 12);
  EXPECT_EQ(ListFont().pixelSize(), MainFont().pixelSize());
  EXPECT_EQ(window_->listView()->font(), ListFont());
  EXPECT_EQ(window_->statusBar()->font(), MainFont());
  window_.reset();
  StartWindow("[WindowFonts]\r\nMainFontSize=012\r\nListFontSize=abc\r\nListFontType=IPAGothic\r\n");
  EXPECT_LE(QFontMetrics(MainFont()).height(), 10);  // octal
  EXPECT_GE(QFontMetrics(MainFont()).height(), 9);
  EXPECT_EQ(ListFont().family(), "IPAGothic");
  EXPECT_EQ(ListFont().pixelSize(), -1);  // height 0: the platform's choice
}

TEST_F(WindowStateTest, RectangleOffEveryScreenIsCentredOnThePrimaryScreen) {
  StartWindow("[MainSeting]\r\nLeft=100\r\nTop=90\r\nWidth=400\r\nHeight=300\r\n");
  EXPECT_EQ(window_->pos(), QPoint(100, 90));
  EXPECT_EQ(window_->size(), QSize(400, 300));
  window_.reset();
  StartWindow("[MainSeting]\r\nLeft=-30000\r\nTop=-30000\r\nWidth=400\r\nHeight=300\r\n");
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_EQ(window_->size(), QSize(400, 300));
  EXPECT_TRUE(screen.contains(window_->geometry().center(), false));
  EXPECT_LE(std::abs(window_->geometry().center().x() - screen.center().x()), 1);
}

TEST_F(WindowStateTest, HiddenColumnKeepsItsLoadedWidthAtExit) {
  StartWindow("[Customize]\r\nMovieTitle=0\r\n[MainSeting]\r\nTitle=123\r\n");
  ListSetColumnWidth(ColumnPosition(kColComment), 77);
  window_->close();
  const std::string text = SettingsFileText();
  EXPECT_NE(text.find("Title=123"), std::string::npos);
  EXPECT_NE(text.find("Comment=77"), std::string::npos);
}

}  // namespace
