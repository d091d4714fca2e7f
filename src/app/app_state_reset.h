#pragma once
// Tests: the core's records and the window program's own back to their state at start: the unsaved
// edit mark, the prompt and colour chooser handlers (the real dialogs again), the row clipboard, the
// chooser path, the current list file and the measured window geometry. Each window makes its fonts
// anew; the window itself and any running work are the test's to end first.
void ResetAppStateForTesting();
