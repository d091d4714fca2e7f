#pragma once
// The find commands of the main window: the searches of the find dialog and find next, shown in the
// main list and in the find next item.
#include "edit/find_in_list.h"

class FindDialog;

// Runs one search and shows its outcome: when a row is found, find next is enabled and the row is
// scrolled into view and made the current row of the main list (only the selection and the current
// row change); otherwise the end message is shown over the main window and find next is greyed.
void FindAndShow(const FindRequest& request, bool repeat);

// The dialog's searches are shown by FindAndShow; its cancel button and close box grey find next.
void ConnectFindDialog(FindDialog& dialog);

// Command 40045: the stored search again from the selection, in its direction.
void FindNext();
