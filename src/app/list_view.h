#pragma once
// The list view of the main window: a QTableView over ListTableModel, its style, colours and columns.
#include <QTableView>
#include <cstdint>

class MainWindow;

// The list control: reports mouse clicks (after the view has handled them, so selection and check marks
// are up to date) and right clicks.
class ListView : public QTableView {
  Q_OBJECT
 public:
  using QTableView::QTableView;

 signals:
  void clickedInList();
  void rowMenuRequested(const QPoint& global_position);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

// Creates the list view and its model in the main window, applies style and colours from the settings,
// builds the columns and removes the column-width items of hidden columns from the main menu.
void CreateListView(MainWindow& window);

// Full-row selection always; grid lines when asked; check boxes while the folder path column is shown.
void ListApplyStyle(bool grid_lines);
// Colour references (0x00BBGGRR) for the text and for the text and window background.
void ListSetColors(uint32_t text_color, uint32_t background_color);
