#pragma once
// Writes the title, creator and comment into one AVI file as an INFO list right after its "idx1" chunk,
// replacing an INFO list that directly follows idx1 and keeping every other byte. The change is one
// all-or-nothing patch: on any failure, and after a kill or power loss at any instant once the next start
// has put it back, the file is byte for byte as it was.
#include <optional>
#include <string>

#include "probe/info_list.h"

enum class InfoTagOutcome {
  kWritten,
  kUnchanged,         // the file already shows these texts; nothing was written
  kMissingFile,       // nothing at the path
  kAmbiguousName,     // several files of the row's folder have names that read as the row's
  kMisalignedLine,    // the row's list file line did not line up with its header; it reaches no file
  kNotRegularFile,    // a folder, FIFO, device...
  kNotAviName,        // the name does not end in i or I
  kNotRiffAvi,        // not a RIFF "AVI " file
  kNotAtFileEnd,      // further data after the RIFF chunk (e.g. the extra RIFF chunks of a large AVI)
  kCutShort,          // the RIFF chunk runs past the end of the file: cut short or damaged
  kNoIndex,           // no idx1 chunk to put the list after
  kDamagedHeader,     // the header list's chunks overlap or leave gaps
  kDamagedInfoList,   // the INFO list after idx1 has a sub-chunk running past its end
  kTooLarge,          // too much data after idx1, or the file would outgrow the 32-bit RIFF size
  kNotReadBack,       // the texts would not all come back where a listing reads them
  kSameFile,          // several rows reach this file with different texts
  kCannotRead,        // error_number says why
  kNoUndoRecord,      // the undo record could not be written (error_number; EBUSY: the file is busy)
  kWriteRefused,      // the write failed (read-only file, full disk...) and the file was restored
  kChangedMeanwhile,  // the file was replaced or written to by another program; left or put back as it was
  kStopped,           // the user stopped the walk before this file was written; it is as it was
};

struct [[nodiscard]] InfoTagResult {
  InfoTagOutcome outcome = InfoTagOutcome::kWritten;
  int error_number = 0;
};

// The texts to write; a missing one keeps the text that the replaced list held (empty when none).
struct InfoTagEdit {
  std::optional<std::string> title;
  std::optional<std::string> creator;
  std::optional<std::string> comment;
};

// What a write would do to a file, worked out without changing it.
struct [[nodiscard]] InfoTagPlan {
  InfoTagResult result;  // kWritten when the write can go ahead
  InfoTags shown;        // the texts a listing of the file shows now
  InfoTags written;      // the texts the file would hold
  bool changes = false;  // a listing would show other texts afterwards
};

struct InfoTagWriteOptions {
  bool only_changed = false;        // a file that already shows the texts is left alone (kUnchanged)
  bool keep_modified_time = false;  // a written file keeps its modification time
};

// Sub-chunks of other ids in the replaced list are kept, before ours. The RIFF chunk ends the file
// afterwards, followed by a zero pad byte when its size is odd; a pad byte the file had is not kept with
// the chunks after idx1. All three texts empty and nothing else in the list: the list is removed. A write
// is refused (kNotReadBack) unless a listing afterwards shows exactly the texts written (line feeds shown
// as blanks): a listing scans the file's last bytes. The name is not checked here.
InfoTagPlan PlanInfoTagWrite(const std::string& path, const InfoTagEdit& edit);
InfoTagResult WriteInfoTagsToFile(const std::string& path, const InfoTagEdit& edit,
                                  const InfoTagWriteOptions& options = {});

// A short English description of an outcome, for messages on the command line.
const char* InfoTagOutcomeText(InfoTagOutcome outcome);
