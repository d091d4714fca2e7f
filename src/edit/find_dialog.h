#pragma once
// The find dialog (LISTFIND) and the find commands of the main window. Controls carry their ids as
// object names: "1" start search, "2" cancel, "1000" search text, "1002" category list, "1024" up,
// "1025" down.
#include <QDialog>

#include "edit/find_in_list.h"

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  // Lists the categories of the shown columns, checks "down", focuses the search text and empties the
  // stored search text and category.
  explicit FindDialog(QWidget* owner);

  // Cancel and the close box grey find next.
  void reject() override;

 private:
  void startSearch();
};

// Runs one search and shows its outcome: when a row is found, find next is enabled and the row is
// scrolled into view and made the current row of the main list (only the selection and the current
// row change); otherwise the end message is shown over the main window and find next is greyed.
void FindAndShow(const FindRequest& request, bool repeat);

// Command 40015: the find dialog, modal over the main window.
void OpenFindDialog();
// Command 40045: the stored search again from the selection, in its direction.
void FindNext();
