#pragma once
// Writes the title, creator and comment cells of the checked rows into their AVI files.
#include <string>
#include <vector>

#include "probe/info_tag_file.h"

struct InfoTagRowReport {
  int row = 0;
  std::string path;  // as the file system has it
  InfoTagOutcome outcome = InfoTagOutcome::kWritten;
  int error_number = 0;
};

// Walks the rows from the first to the last and handles each checked row's file completely before the
// next: a written row is unchecked; a row that is skipped or whose file refuses the write stays checked,
// and the walk goes on. The file is the row's real path, or else folder cell + "/" + file name cell.
// Rows whose name does not end in i or I, or whose file is missing, are skipped; so are files that are
// not RIFF AVI files, have no idx1 chunk or have data after their RIFF chunk. The texts are the cells of
// the title, creator and comment columns; a hidden column's text is kept as the file has it. Returns
// one report per checked row, in row order.
std::vector<InfoTagRowReport> WriteInfoTags();
