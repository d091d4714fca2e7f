#pragma once
// What became of a tag write, or what stands in its way, from the first look at the file to the end of
// the write.

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

// A short English description of an outcome, for messages on the command line.
const char* InfoTagOutcomeText(InfoTagOutcome outcome);
