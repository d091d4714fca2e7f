#pragma once
// Check marks and greying of the main menu's items, and the toolbar buttons that follow the list.

// 1 checked and enabled, 2 unchecked and enabled, 3 unchecked and greyed, 0 any other state (and for an
// id without an item).
int ReadMenuStateCode(int item);

// Replaces the item's whole state: 1 checked (and enabled), 3 greyed (and unchecked), any other code
// enabled and unchecked. Returns 1.
int ApplyMenuStateCode(int item, int code);

// Flag 0 enables the toolbar buttons save as, cut, copy and find; any other flag greys them.
void EnableListToolButtons(int flag);
