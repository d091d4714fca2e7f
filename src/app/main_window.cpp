#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "app/background_work.h"
#include "app/command_set.h"
#include "app/list_view.h"
#include "app/menu_state.h"
#include "app/qt_text.h"
#include "app/scan_commands.h"
#include "app/status_parts.h"
#include "app/unsaved_edits.h"
#include "app/window_geometry.h"
#include "app/window_state.h"
#include "list/status_totals.h"
#include "res/accel.h"
#include "res/command_ids.h"
#include "res/menus.h"
#include "res/string_table.h"
#include "res/toolbar_buttons.h"
#include "scan/scan_progress.h"
#include "settings/settings.h"

namespace {

// The window registered by its constructor, until its destructor.
MainWindow*& RegisteredWindow() {
  static MainWindow* window = nullptr;
  return window;
}

// Items that carry a check mark; Qt draws the mark only on checkable actions.
bool IsCheckMarkItem(const MenuEntry& item) {
  return item.state == kMenuChecked || item.command == kCmdSortByExtension;
}

}  // namespace

MainWindow* MainWin() {
  return RegisteredWindow();
}

MainWindow::MainWindow(const std::vector<std::string>& command_line_pieces) {
  Q_INIT_RESOURCE(res);  // the icon lives in a static library
  RegisteredWindow() = this;
  setObjectName("Rollwright");
  // The product name may hold 127 bytes, so the title is not cut to a fixed field.
  setWindowTitle(ToQString(Settings().mvTitle + " - <NewFile.csv>"));
  setWindowIcon(QIcon(":/tessaroll/icon.svg"));
  setAcceptDrops(true);
  setContextMenuPolicy(Qt::NoContextMenu);
  createActions();
  createMenus();
  createToolBar();
  createStatusBar();
  CreateListView(*this);
  CreateWindowFonts();
  move(16, 16);
  resize(320, 240);
  if (!command_line_pieces.empty()) TakeCommandLinePathsIntoList(command_line_pieces);
}

MainWindow::~MainWindow() {
  SetScanProgressSink(nullptr);
  if (RegisteredWindow() == this) RegisteredWindow() = nullptr;
}

QAction* MainWindow::commandAction(int command) const {
  auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

QToolButton* MainWindow::toolButton(int command) const {
  auto found = tool_buttons_.find(command);
  return found == tool_buttons_.end() ? nullptr : found->second;
}

QMenu* MainWindow::menuHolding(int command) const {
  QAction* action = commandAction(command);
  if (!action) return nullptr;
  for (QObject* widget : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(widget)) return menu;
  }
  return nullptr;
}

void MainWindow::setListView(QTableView* view, ListTableModel* model) {
  list_view_ = view;
  list_model_ = model;
  setCentralWidget(view);
}

void MainWindow::setOuterGeometry(const QRect& outer) {
  const QSize frame_extra = frameGeometry().size() - size();
  move(outer.topLeft());
  resize(outer.size() - frame_extra);
  if (frame_extra.isNull()) unframed_outer_size_ = outer.size();
}

bool MainWindow::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (unframed_outer_size_ && isVisible()) {
    const QSize frame_extra = frameGeometry().size() - size();
    if (!frame_extra.isNull()) {
      const QSize outer_size = *unframed_outer_size_;
      unframed_outer_size_.reset();
      resize(outer_size - frame_extra);
    }
  }
  return handled;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  StopWork();  // rows still arriving would change the list being saved or discarded
  if (!ConfirmDiscardEdits()) {
    event->ignore();
    return;
  }
  if (ReadMenuStateCode(kCmdSaveStateAtExit) == kMenuChecked) {
    MeasureWindow(this);
    SaveStateAtExit();
  }
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  // Running work has the list: a drop then is refused, not queued for later.
  if (event->mimeData()->hasUrls() && !WorkRunning()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  takeDroppedData(*event->mimeData());
}

void MainWindow::takeDroppedData(const QMimeData& data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data.urls()) {
    if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
  }
  if (!paths.empty() && !WorkRunning()) TakeDroppedPathsIntoList(paths);
}

void MainWindow::createActions() {
  std::vector<const std::vector<MenuEntry>*> pending = {&TOP_MENUS};
  while (!pending.empty()) {
    const std::vector<MenuEntry>* entries = pending.back();
    pending.pop_back();
    for (const MenuEntry& entry : *entries) {
      if (entry.kind == MenuEntry::kPopup) pending.push_back(&entry.items);
      if (entry.kind != MenuEntry::kItem) continue;
      auto* action = new QAction(QString::fromStdString(entry.label), this);
      action->setCheckable(IsCheckMarkItem(entry));
      action->setChecked(entry.state == kMenuChecked);
      action->setEnabled(entry.state != kMenuGreyed);
      if (const char* key = AccelKeyOf(entry.command)) {
        action->setShortcut(QKeySequence(QString::fromLatin1(key), QKeySequence::PortableText));
      }
      const int command = entry.command;
      connect(action, &QAction::triggered, this, [action, command] {
        // Qt flips a checkable action before it reports the trigger; the command decides the mark itself.
        if (action->isCheckable()) {
          const QSignalBlocker blocker(action);
          action->setChecked(!action->isChecked());
        }
        HandleCommand(command);
      });
      actions_[command] = action;
      addAction(action);  // the accelerator works while the menu bar is closed
    }
  }
}

void MainWindow::fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    switch (entry.kind) {
      case MenuEntry::kItem:
        menu->addAction(actions_.at(entry.command));
        break;
      case MenuEntry::kSeparator:
        menu->addSeparator();
        break;
      case MenuEntry::kPopup:
        fillMenu(menu->addMenu(QString::fromStdString(entry.label)), entry.items);
        break;
    }
  }
}

void MainWindow::createMenus() {
  for (const MenuEntry& popup : TOP_MENUS) {
    fillMenu(menuBar()->addMenu(QString::fromStdString(popup.label)), popup.items);
  }
}

void MainWindow::createToolBar() {
  tool_bar_ = addToolBar(QStringLiteral("toolbar"));
  tool_bar_->setObjectName("toolbar");
  tool_bar_->setMovable(false);
  tool_bar_->setFloatable(false);
  tool_bar_->setIconSize(QSize(16, 16));
  for (const ToolButtonDef& def : kToolButtons) {
    if (def.command == 0) {
      tool_bar_->addSeparator();
      continue;
    }
    auto* button = new QToolButton(tool_bar_);
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(def.theme_icon)));
    button->setToolTip(ToQString(LoadResourceString(def.tooltip_string)));
    button->setAutoRaise(true);
    button->setEnabled(def.initially_enabled);
    const int command = def.command;
    connect(button, &QToolButton::clicked, this, [command] { HandleCommand(command); });
    tool_bar_->addWidget(button);
    tool_buttons_[command] = button;
  }
}

void MainWindow::createStatusBar() {
  ResetStatusTexts();
  status_bar_parts_ = new StatusParts(statusBar());
  statusBar()->addWidget(status_bar_parts_, 1);
  for (int part = 0; part < kStatusParts; ++part) status_parts_[part] = status_bar_parts_->label(part);
  ShowStatusTexts();
  SetScanProgressSink([this](const std::string& text) { showStatusText(0, text); });
  stop_button_ = new QPushButton(QStringLiteral("中止"), statusBar());
  stop_button_->setObjectName(QStringLiteral("stop"));
  stop_button_->hide();
  statusBar()->addPermanentWidget(stop_button_);
  connect(stop_button_, &QPushButton::clicked, this, [] { StopWork(); });
  stop_key_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, [] { StopWork(); });
  stop_key_->setContext(Qt::ApplicationShortcut);
  stop_key_->setEnabled(false);
}

void MainWindow::showStopControls(bool shown) {
  stop_button_->setVisible(shown);
  stop_key_->setEnabled(shown);
}

void MainWindow::showStatusText(int part, const std::string& text) {
  status_bar_parts_->setText(part, ToQString(text));
}

void ShowStatusTexts() {
  if (!MainWin()) return;
  const StatusTexts& texts = CurrentStatusTexts();
  for (int part = 0; part < kStatusParts; ++part) MainWin()->showStatusText(part, texts[part]);
}
