#pragma once
// Writes the title, creator and comment cells of the checked rows into their AVI files.
#include <atomic>
#include <string>
#include <vector>

#include "list/row_file_path.h"
#include "probe/info_tag_file.h"

struct InfoTagRowReport {
  int row = 0;
  std::string path;      // as the file system has it; empty when the row reaches no file for sure
  std::string row_name;  // the row's folder and file name cells (CP932), naming a row without a path
  InfoTagOutcome outcome = InfoTagOutcome::kWritten;
  int error_number = 0;
  InfoTags shown;    // what a listing of the file showed before (files that can take tags)
  InfoTags written;  // what the write leaves, or would leave
};

struct InfoTagWalkOptions {
  InfoTagWriteOptions write;
  bool dry_run = false;  // nothing is written; the reports say what would be (kWritten, kUnchanged)
};

// First puts back any file whose tag write was cut short earlier. Then walks the rows from the first to
// the last: a written row is unchecked; a row that is skipped or whose file refuses the write stays
// checked, and the walk goes on. The file is the row's real path, or else folder cell + "/" + file name
// cell. Rows whose name does not end in i or I, or whose file is missing, are skipped; so are files that
// are not RIFF AVI files, have no idx1 chunk or have data after their RIFF chunk. The texts are the cells
// of the title, creator and comment columns, taken whole; a hidden column's text is kept as the file has
// it. Rows that reach one file (the same device and inode) are written once when they agree; when they
// would leave different texts, every one of them is refused (kSameFile). With only_changed a row whose
// file already shows its texts writes nothing and takes no part in that comparison. Returns one report
// per checked row, in row order.
std::vector<InfoTagRowReport> WriteInfoTags(const InfoTagWalkOptions& options = {});

// The walk in three steps, for a window that writes on a thread of its own while the list stays with
// its thread. The first and last touch the list; the middle only the files.
struct InfoTagRowCells {
  int row = 0;
  RowFileQuery file;
  std::string row_name;
  InfoTagEdit edit;
};
// The cells of the checked rows, in row order.
std::vector<InfoTagRowCells> TakeCheckedTagRows();
// Recovers cut-short writes, then writes the rows as WriteInfoTags does. Once stop is set, the rows not
// yet written are left alone (kStopped); a stop while the files are being looked at writes none.
std::vector<InfoTagRowReport> WriteTagRows(const std::vector<InfoTagRowCells>& rows,
                                           const InfoTagWalkOptions& options, const std::atomic<bool>& stop);
// Unchecks the rows whose files now show their texts (kWritten, kUnchanged), unless it was a dry run.
void UncheckDoneRows(const std::vector<InfoTagRowReport>& reports, const InfoTagWalkOptions& options);

// True for the outcomes that leave the file showing the row's texts.
bool IsTagWriteDone(InfoTagOutcome outcome);
// True for a row passed over without a word: its file cannot take tags by its kind (missing, not an
// .avi name, not a RIFF AVI file), or a stop came first. It keeps its check mark.
bool IsTagWriteSkipped(InfoTagOutcome outcome);
// Neither done nor skipped: the file could have taken the tags and was not written; the user is told.
bool IsTagWriteFailure(InfoTagOutcome outcome);
