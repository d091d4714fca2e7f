#include "app/window_state.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <utility>

#include "app/command_set.h"
#include "app/main_window.h"
#include "app/menu_state.h"
#include "app/option_items.h"
#include "app/qt_text.h"
#include "app/window_geometry.h"
#include "list/columns.h"
#include "list/list_model.h"
#include "res/command_ids.h"
#include "settings/color_text.h"
#include "settings/settings.h"

namespace {

std::pair<QFont, QFont>& Fonts() {
  static std::pair<QFont, QFont> fonts;
  return fonts;
}

// A positive height is the character cell (ascent and descent), as the settings mean it; Qt's pixel size
// is the smaller em, so the largest em whose cell still fits is taken. A negative one is the em itself.
QFont MakeWindowFont(const std::string& face, const std::string& size_text) {
  QFont font(ToQString(face));
  font.setWeight(QFont::Normal);
  const int height = static_cast<int>(ParseColorText(size_text));
  if (height < 0) font.setPixelSize(-height);
  if (height <= 0) return font;
  for (int em = height; em >= 1; --em) {
    font.setPixelSize(em);
    if (QFontMetrics(font).height() <= height) break;
  }
  return font;
}

bool OnSomeScreen(const QRect& rect) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->geometry().intersects(rect)) return true;
  }
  return false;
}

void PlaceMainWindow(MainWindow& window, QRect outer) {
  if (!OnSomeScreen(outer)) {
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
      outer.moveCenter(primary->availableGeometry().center());
    }
  }
  window.setOuterGeometry(outer);
}

}  // namespace

void ApplyWindowSettings() {
  MainWindow* window = MainWin();
  if (!window) return;
  if (ReadSettingInt(kMainSeting, "ToolBar", 1) != 1) HandleCommand(kCmdToolBar);
  if (ReadSettingInt(kMainSeting, "StatusBar", 1) != 1) HandleCommand(kCmdStatusBar);
  if (ReadSettingInt(kMainSeting, "GridLine", 1) != 1) HandleCommand(kCmdGridLines);
  ApplyMenuStateCode(kCmdSaveStateAtExit, ReadSettingInt(kMainSeting, "EndSet", 1));
  if (Columns().shown[kColPlayTime] == 0) ApplyMenuStateCode(kCmdMpegTime, kMenuGreyed);
  for (const OptionItem& flag : kOptionItems) {
    if (Settings().*flag.flag == 0) ApplyMenuStateCode(flag.item, kMenuEnabled);
  }
  SettingsRecord& settings = Settings();
  settings.Left = ReadSettingInt(kMainSeting, "Left", 64);
  settings.Top = ReadSettingInt(kMainSeting, "Top", 64);
  settings.Width = ReadSettingInt(kMainSeting, "Width", 320);
  settings.Height = ReadSettingInt(kMainSeting, "Height", 240);
  PlaceMainWindow(*window, QRect(settings.Left, settings.Top, settings.Width, settings.Height));
}

void CreateWindowFonts() {
  const SettingsRecord& settings = Settings();
  Fonts() = {MakeWindowFont(settings.MainFontType, settings.MainFontSize),
             MakeWindowFont(settings.ListFontType, settings.ListFontSize)};
  MainWindow* window = MainWin();
  if (!window) return;
  window->statusBar()->setFont(MainFont());
  if (QTableView* view = window->listView()) {
    view->setFont(ListFont());
    // The header takes the list font too, set on it directly so that the rule is the same at start-up
    // and after the settings dialog; its height follows the font.
    view->horizontalHeader()->setFont(ListFont());
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  }
}

const QFont& MainFont() {
  return Fonts().first;
}
const QFont& ListFont() {
  return Fonts().second;
}

void SaveStateAtExit() {
  const WindowGeometry& geometry = WindowGeom();
  WriteSettingInt(kMainSeting, "Left", geometry.left);
  WriteSettingInt(kMainSeting, "Top", geometry.top);
  WriteSettingInt(kMainSeting, "Width", geometry.width);
  WriteSettingInt(kMainSeting, "Height", geometry.height);
  WriteSettingInt(kMainSeting, "ToolBar", ReadMenuStateCode(kCmdToolBar));
  WriteSettingInt(kMainSeting, "StatusBar", ReadMenuStateCode(kCmdStatusBar));
  WriteSettingInt(kMainSeting, "GridLine", ReadMenuStateCode(kCmdGridLines));
  for (const OptionItem& flag : kOptionItems) WriteSettingInt(kMainSeting, flag.key, Settings().*flag.flag);
  WriteSettingText(kMainSeting, "LoadPath", Settings().LoadPath);
  WriteSettingText(kMainSeting, "SavePath", Settings().SavePath);
  ColumnState& columns = Columns();
  for (int column = 0; column < kColumnCount; ++column) {
    if (columns.shown[column] == 1) columns.width[column] = ListColumnWidth(columns.position[column]);
  }
  for (int column = 0; column < kColumnCount; ++column) {
    WriteSettingInt(kMainSeting, ColumnTable(column).width_key, columns.width[column]);
  }
}
