#pragma once
// The entry edit dialog (DIALOG2): the facts of one list row and its four editable fields. Controls
// carry their identifiers as object names.
#include <QDialog>

// The values of the template.
enum EntryEditControl : int {
  kEntryEditOk = 1,
  kEntryEditCancel = 2,
  kEntryEditDeleteInfo = 3,
  kEntryEditTitle = 1000,
  kEntryEditCreator = 1001,
  kEntryEditGenre = 1002,
  kEntryEditComment = 1009,
  // The facts the dialog fills in.
  kEntryEditFileName = 1019,
  kEntryEditFolder = 1020,
  kEntryEditSizeLine = 1021,
  kEntryEditFormatLine = 1022,
  kEntryEditPictureLine = 1023,
};

class EntryEditDialog : public QDialog {
  Q_OBJECT
 public:
  explicit EntryEditDialog(QWidget* owner);

 signals:
  // OK changed the row (and checked it): an edit that no save or tag write has kept yet.
  void rowEdited();
};

// Fills every control from the list row.
void InitEntryEditDialog(QDialog* dialog, int row);

// The three buttons: OK stores the enabled fields into the first selected row (checking it when a
// field changed) and closes, cancel closes, delete info empties the four fields and stays open.
void EntryEditCommand(EntryEditDialog* dialog, int command);
