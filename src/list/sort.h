#pragma once
// Sorting the list by a column: the sort direction table, the file-name sort mode and the comparator.
// Both pieces of state live for the whole run; neither a new list nor loading a list file resets them.
#include <cstdint>

constexpr int kSortNever = 0;
constexpr int kSortAscending = 1;
constexpr int kSortDescending = 2;

// The direction of a display position (0 to 16); kSortNever for any other position.
int SortDirection(int position);
// 1 becomes 2, anything else 1; returns the new direction. Shared by every list that sorts by header
// clicks, so a click in one changes what the same position of another does next. Other positions: 0.
int FlipSortDirection(int position);

constexpr int kSortWholeName = 0;
constexpr int kSortExtension = 1;
// How the file name column compares: whole names (0) or their last three bytes (1).
int FileNameSortMode();
void SetFileNameSortMode(int mode);

// The comparator of the main list for the column at a display position, given two rows. Letter case is
// ignored; sizes, rates, frame rate, picture size and playing time compare their numbers by value. The
// result is negated unless the position's direction is ascending.
int CompareRows(int row1, int row2, int position);

// Flips the position's direction and sorts the rows by CompareRows. Positions outside the table
// change nothing.
void SortByColumn(int position);

// Tests: directions back to kSortNever, file names compared whole.
void ResetSortStateForTesting();
