#pragma once
// Finding text in the list: the find request kept between searches, the categories the find dialog
// offers, and the search itself over the row store's cells.
#include <string>
#include <vector>

constexpr int kFindUp = 0;
constexpr int kFindDown = 1;

struct FindRequest {
  std::string text;      // CP932, at most 255 bytes
  std::string category;  // CP932, at most 63 bytes
  int direction = kFindDown;
};

// The one find request of the run. The find dialog empties text and category when it opens; the
// direction keeps its last value.
FindRequest& FindReq();

// The category names (CP932) the find dialog lists: all categories and the file name always, then
// title, genre, creator, comment and folder path for each of those columns that is shown.
std::vector<std::string> FindCategoryNames();

// The first row after start_row (down) or before it (up) whose cell at the display position contains
// text as a run of bytes (case-sensitive, cells read up to 511 bytes), or -1. The start row itself is
// never examined. With start_row -1 the search runs down from row 0 whatever the direction, so the
// first row is examined too. A hidden column (position -1) finds nothing.
int FindInColumn(const std::string& text, int position, int start_row, int direction);

struct FindResult {
  int row = -1;         // the row found, or -1
  std::string message;  // CP932; the end message when nothing was found, else empty
};

// Runs one search from the first selected row (or from the top when none is selected). A category
// name not in the category table searches all categories: title, genre, creator, comment and folder
// path in that order, each only when shown, and the first column with any match wins. A found row
// becomes the only selected row; when nothing is found the selection stays and the message says
// "not found" (repeat 0) or that the top or bottom was reached (repeat 1).
FindResult FindInList(const std::string& text, const std::string& category, int direction, bool repeat);

// The caption of the end messages (CP932).
const std::string& FindEndCaption();

// Tests: the request back to empty texts and direction down.
void ResetFindRequestForTesting();
