#pragma once
// The palette of the list views: the main list and the playback check list.
class QAbstractItemView;

// Draws the view's selection in the active colours even while another widget has the focus.
void KeepSelectionShownWhenInactive(QAbstractItemView* view);
