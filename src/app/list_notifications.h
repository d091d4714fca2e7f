#pragma once
// What the list's notifications do: header clicks sort, a double click edits the selected entry, a
// right click shows the row menu, and a click shows the selection summary and refreshes the commands
// that depend on the selection and the check marks.
class QMenu;
class QPoint;
class QWidget;

void HandleHeaderClick(int position);
void HandleListDoubleClick();
// Shows the selection summary in status part 0, then refreshes the row and check commands.
void HandleListClick();

// Enables 40012, 40008, 40009, 40011 and 40044 when a row is selected, greys them otherwise.
void RefreshRowCommands();
// With rows and the folder path column shown: enables 40041 and 40042 when a row is checked, greys
// them otherwise; leaves them alone else.
void RefreshCheckCommands();

// A fresh row menu from POPUPMENU: width items of hidden columns removed, row and check items enabled
// as the selection and check marks allow (the main menu follows). The caller owns the menu.
QMenu* BuildRowMenu(QWidget* parent);
// Shows the row menu at the position; a chosen item is carried out as a command.
void ShowRowMenu(const QPoint& global_position);
