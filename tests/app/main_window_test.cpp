#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/menu_state.h"
#include "app/window_geometry.h"
#include "res/command_ids.h"
#include "window_fixture.h"

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, StartsWithoutSettingsFileAsAnEmptyList) {
  StartWindow();
  EXPECT_EQ(window_->objectName(), "Rollwright");
  EXPECT_EQ(window_->windowTitle(), "Tessaroll - <NewFile.csv>");
  EXPECT_EQ(window_->pos(), QPoint(64, 64));
  EXPECT_EQ(window_->size(), QSize(320, 240));
  EXPECT_EQ(ListRowCount(), 0);

  const char* texts[] = {"Non Scanning...", "DiskMax: Non Scan", "DiskFree: Non Scan", "Per:Non"};
  const int right_edges[] = {190, 300, 413, 480};
  window_->show();
  for (int part = 0; part < 4; ++part) {
    SCOPED_TRACE(part);
    EXPECT_EQ(window_->statusPart(part)->text(), texts[part]);
    EXPECT_EQ(window_->statusPart(part)->geometry().right() + 1, right_edges[part]);
  }

  for (int item :
       {kCmdSaveAs, kCmdOverwriteSave, kCmdEditEntry, kCmdCut, kCmdCopy, kCmdDelete, kCmdPlaybackCheck,
        kCmdWriteInfo, kCmdClearChecks, kCmdPlayMovie, kCmdFind, kCmdFindNext}) {
    SCOPED_TRACE(item);
    EXPECT_EQ(ReadMenuStateCode(item), kMenuGreyed);
  }
  for (int item :
       {kCmdSortByName, kCmdFilterAvi,       kCmdFilterMpeg1, kCmdFilterMpeg2, kCmdFilterAsf, kCmdFilterRm,
        kCmdFilterQt,   kCmdFilterWave,      kCmdMpegTime,    kCmdMpeg4Rate,   kCmdToolBar,   kCmdStatusBar,
        kCmdGridLines,  kCmdSaveStateAtExit, kCmdFilterMp4,   kCmdFilterMkv,   kCmdFilterTs,  kCmdFilterFlv,
        kCmdFilterOgg,  kCmdFilterAudio,     kCmdFilterWm}) {
    SCOPED_TRACE(item);
    EXPECT_EQ(ReadMenuStateCode(item), kMenuChecked);
  }
  for (int item : {kCmdNewList, kCmdOpenList, kCmdExit, kCmdScan, kCmdAutoScan, kCmdPaste,
                   kCmdSortByExtension, kCmdCustomize, kCmdVersion, kCmdFitAllColumns, kCmdFitVolume}) {
    SCOPED_TRACE(item);
    EXPECT_EQ(ReadMenuStateCode(item), kMenuEnabled);
  }
  EXPECT_TRUE(window_->listView()->showGrid());
}

TEST_F(MainWindowTest, ToolbarHasFourteenPositionsWithTooltips) {
  StartWindow();
  const QList<QAction*> positions = window_->toolBar()->actions();
  ASSERT_EQ(positions.size(), 14);
  for (int separator : {0, 4, 6, 10, 12}) EXPECT_TRUE(positions[separator]->isSeparator()) << separator;

  struct Button {
    int command;
    const char* tooltip;
    bool enabled;
  };
  const Button buttons[] = {
      {kCmdNewList, "新規作成", true},
      {kCmdOpenList, "ﾌｧｲﾙを開く", true},
      {kCmdSaveAs, "名前をつけて保存", false},
      {kCmdScan, "ﾏﾆｭｱﾙｽｷｬﾝ", true},
      {kCmdCut, "切り取り", false},
      {kCmdCopy, "ｺﾋﾟｰ", false},
      {kCmdPaste, "張り付け", true},
      {kCmdFind, "検索", false},
      {kCmdCustomize, "ｶｽﾀﾏｲｽﾞ", true},
  };
  for (const Button& button : buttons) {
    SCOPED_TRACE(button.command);
    QToolButton* widget = window_->toolButton(button.command);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->toolTip(), QString::fromUtf8(button.tooltip));
    EXPECT_EQ(widget->isEnabled(), button.enabled);
  }

  EnableListToolButtons(0);
  for (int command : {kCmdSaveAs, kCmdCut, kCmdCopy, kCmdFind})
    EXPECT_TRUE(window_->toolButton(command)->isEnabled());
  EnableListToolButtons(1);
  for (int command : {kCmdSaveAs, kCmdCut, kCmdCopy, kCmdFind})
    EXPECT_FALSE(window_->toolButton(command)->isEnabled());
  EXPECT_TRUE(window_->toolButton(kCmdPaste)->isEnabled());
}

TEST_F(MainWindowTest, MenuStateCodesReplaceTheWholeState) {
  StartWindow();
  ApplyMenuStateCode(kCmdCut, kMenuChecked);  // checking enables
  EXPECT_EQ(ReadMenuStateCode(kCmdCut), kMenuChecked);
  ApplyMenuStateCode(kCmdToolBar, kMenuGreyed);  // greying unchecks
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuGreyed);
  ApplyMenuStateCode(kCmdToolBar, kMenuEnable);
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuEnabled);
  ApplyMenuStateCode(kCmdToolBar, 7);  // any other code: enabled and unchecked
  EXPECT_EQ(ReadMenuStateCode(kCmdToolBar), kMenuEnabled);
  // A checked and greyed item reads as none of the codes.
  window_->commandAction(kCmdFilterAvi)->setEnabled(false);
  EXPECT_EQ(ReadMenuStateCode(kCmdFilterAvi), kMenuOther);
  EXPECT_EQ(ReadMenuStateCode(40037), kMenuOther);
}

TEST_F(MainWindowTest, CentresDialogsOverTheMainWindow) {
  StartWindow();
  window_->move(100, 50);
  window_->resize(400, 300);
  QWidget dialog;
  dialog.resize(101, 60);
  CentreOverMainWindow(&dialog);
  EXPECT_EQ(dialog.pos(), QPoint(100 + (400 - 101) / 2, 50 + (300 - 60) / 2));
}

// With the default 320x240 window near a screen corner, a larger dialog moves only as far as it must to
// stay on the screen, on each side of it.
TEST_F(MainWindowTest, DialogLargerThanTheWindowStaysOnTheScreen) {
  StartWindow();
  const QRect available = window_->screen()->availableGeometry();
  ASSERT_GT(available.width(), 600);
  ASSERT_GT(available.height(), 400);
  window_->resize(320, 240);
  QWidget dialog;
  dialog.resize(600, 400);
  window_->move(available.topLeft());
  CentreOverMainWindow(&dialog);
  EXPECT_EQ(dialog.pos(), available.topLeft());

  window_->move(available.right() + 1 - 320, available.bottom() + 1 - 240);
  CentreOverMainWindow(&dialog);
  EXPECT_EQ(dialog.pos(), QPoint(available.right() + 1 - 600, available.bottom() + 1 - 400));

  // Sticking out at the top only: x keeps the centring rule.
  window_->move(available.left() + 200, available.top());
  CentreOverMainWindow(&dialog);
  EXPECT_EQ(dialog.pos(), QPoint(available.left() + 200 + (320 - 600) / 2, available.top()));
}

TEST(KeepWithin, MovesOnlyWhatSticksOut) {
  EXPECT_EQ(KeepWithin(10, 100, 0, 800), 10);
  EXPECT_EQ(KeepWithin(-40, 100, 0, 800), 0);
  EXPECT_EQ(KeepWithin(750, 100, 0, 800), 700);
  EXPECT_EQ(KeepWithin(700, 100, 0, 800), 700);
  EXPECT_EQ(KeepWithin(-40, 900, 0, 800), 0) << "too large: the left edge on the area's";
  EXPECT_EQ(KeepWithin(100, 900, 0, 800), 0);
  EXPECT_EQ(KeepWithin(1900, 100, 1920, 1080), 1920) << "second screen";
}

// The fonts' cell is the designed height; every status text shows whole in its part (a part grows only
// for a text that does not fit it), and a part the window cuts off shows its text as tooltip.
TEST_F(MainWindowTest, StatusTextsFitTheirPartsAndCutOnesHaveTooltips) {
  StartWindow("[WindowFonts]\r\nMainFontSize=12\r\nListFontSize=20\r\n");
  EXPECT_LE(QFontMetrics(MainFont()).height(), 12);
  EXPECT_GE(QFontMetrics(MainFont()).height(), 11);
  EXPECT_LE(QFontMetrics(ListFont()).height(), 20);
  window_->show();
  QApplication::processEvents();
  window_->resize(1200, 300);
  QApplication::processEvents();
  const std::string texts[] = {"20000file(s) 123,456,789KB(120563.3MB)", "DiskMax: 258019.5MB",
                               "DiskFree: 123456.7MB", "Per: 100.0%"};
  for (int part = 0; part < 4; ++part) window_->showStatusText(part, texts[part]);
  int left = 0;
  for (int part = 0; part < 4; ++part) {
    SCOPED_TRACE(part);
    const QLabel* label = window_->statusPart(part);
    const int frame = 2 * label->frameWidth();
    EXPECT_GE(label->width() - frame, label->fontMetrics().horizontalAdvance(label->text()));
    EXPECT_EQ(label->x(), left);
    EXPECT_TRUE(label->toolTip().isEmpty());
    left = label->geometry().right() + 1;
  }
  window_->resize(320, 240);
  QApplication::processEvents();
  EXPECT_EQ(window_->statusPart(3)->toolTip(), "Per: 100.0%");
  EXPECT_TRUE(window_->statusPart(0)->toolTip().isEmpty());
  // The header shows the list font whole, at start as after the settings dialog.
  const QHeaderView* header = window_->listView()->horizontalHeader();
  EXPECT_EQ(header->font(), ListFont());
  EXPECT_GE(header->height(), QFontMetrics(ListFont()).height());
}

}  // namespace
