#pragma once
// The find dialog (LISTFIND): the search text, the category and the direction of a search in the list.
// Controls carry their ids as object names: "1" start search, "2" cancel, "1000" search text, "1002"
// category list, "1024" up, "1025" down. Whoever opens it shows the searches (searchRequested) and
// learns of a cancel or the close box from rejected().
#include <QDialog>

#include "edit/find_in_list.h"

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
