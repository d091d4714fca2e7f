#pragma once
// Writes the tags of the checked rows (probe/info_tag_writer.h) as window work (app/background_work.h):
// the files are written on a thread of their own while the window keeps answering, and Esc or 中止
// leaves the files not yet written as they were, their rows checked.
#include <functional>
#include <vector>

#include "probe/info_tag_writer.h"

// finished gets the reports on the window's thread, after the written rows are unchecked and the
// refused commands have their states back.
void StartTagWrite(std::function<void(const std::vector<InfoTagRowReport>&)> finished);
