#pragma once
// The entry edit dialog (DIALOG2): the facts of one list row and its four editable fields. Controls
// carry their ids as object names: buttons "1" OK, "2" cancel, "3" delete info; texts "1019" to
// "1023"; edits "1000" title, "1001" creator, "1009" comment; genre box "1002".
#include <QDialog>

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

// The three buttons: 1 stores the enabled fields into the first selected row (checking it when a
// field changed) and closes, 2 closes, 3 empties the four fields and stays open.
void EntryEditCommand(EntryEditDialog* dialog, int command);
