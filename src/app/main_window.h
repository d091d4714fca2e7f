#pragma once
// The main window (object name "Rollwright"): menu bar, toolbar, list view and status bar. Each command
// id has one QAction, shared by the menu bar and the accelerator; the toolbar buttons issue the same
// commands but keep their own enabled state, as the toolbar and the menu are enabled separately.
#include <QMainWindow>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;
class QShortcut;
class QTableView;
class QToolBar;
class QToolButton;
class ListTableModel;
class StatusParts;
struct MenuEntry;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Takes in the command-line pieces (one argv element each) once the window is built.
  explicit MainWindow(const std::vector<std::string>& command_line_pieces = {});
  ~MainWindow() override;

  // The main menu's action of a command, or nullptr for an id that is not in the menu resource.
  QAction* commandAction(int command) const;
  // The toolbar button of a command, or nullptr when the toolbar has none.
  QToolButton* toolButton(int command) const;
  // The menu that holds a command's action, or nullptr when it was removed or never there.
  QMenu* menuHolding(int command) const;

  QToolBar* toolBar() const { return tool_bar_; }
  QTableView* listView() const { return list_view_; }
  ListTableModel* listModel() const { return list_model_; }
  QLabel* statusPart(int part) const { return status_parts_.at(part); }
  void setListView(QTableView* view, ListTableModel* model);
  // Places the window so that its outer rectangle (frame included, as saved at exit) is outer. Until
  // the window manager has framed the window its frame is unknown; the size is corrected once it is.
  void setOuterGeometry(const QRect& outer);

  // Takes in the local files and folders of a drop (text/uri-list); other items are ignored.
  void takeDroppedData(const QMimeData& data);
  // Shows a CP932 text in status part 0 to 3.
  void showStatusText(int part, const std::string& text);
  // Shows or hides the 中止 button of the status bar and the Esc key that stop running work.
  void showStopControls(bool shown);
  QPushButton* stopButton() const { return stop_button_; }

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void fillMenu(QMenu* menu, const std::vector<MenuEntry>& entries);
  void createToolBar();
  void createStatusBar();

  std::map<int, QAction*> actions_;
  std::map<int, QToolButton*> tool_buttons_;
  QToolBar* tool_bar_ = nullptr;
  QTableView* list_view_ = nullptr;
  ListTableModel* list_model_ = nullptr;
  StatusParts* status_bar_parts_ = nullptr;
  std::array<QLabel*, 4> status_parts_{};
  QPushButton* stop_button_ = nullptr;
  QShortcut* stop_key_ = nullptr;
  std::optional<QSize> unframed_outer_size_;
};

// The one main window of the run; nullptr while there is none.
MainWindow* MainWin();

// Shows the four status texts last written by the totals (list/status_totals.h).
void ShowStatusTexts();
