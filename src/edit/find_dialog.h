#pragma once
// The find dialog (LISTFIND): the search text, the category and the direction of a search in the list.
// Controls carry their identifiers as object names. Whoever opens it shows the searches
// (searchRequested) and learns of a cancel or the close box from rejected().
#include <QDialog>

#include "edit/find_in_list.h"

// The values of the template.
enum FindControl : int {
  kFindStart = 1,
  kFindCancel = 2,
  kFindText = 1000,
  kFindCategory = 1002,
  kFindUpward = 1024,
  kFindDownward = 1025,
};

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  // Lists the categories of the shown columns, checks "down", focuses the search text and empties the
  // stored search text and category.
  explicit FindDialog(QWidget* owner);

 signals:
  // Start search with a text: the request is stored (FindReq) and the dialog accepts right after.
  void searchRequested(const FindRequest& request);

 private:
  void startSearch();
};
