#pragma once
// Writes the title, creator and comment into one AVI file as an INFO list right after its "idx1" chunk,
// replacing an INFO list that directly follows idx1 and keeping every other byte. The change is one
// all-or-nothing patch: on any failure the file is byte for byte as it was.
#include <optional>
#include <string>

#include "probe/info_list.h"

enum class InfoTagOutcome {
  kWritten,
  kMissingFile,       // no regular file at the path
  kNotAviName,        // the name does not end in i or I
  kNotRiffAvi,        // not a RIFF "AVI " file
  kNotAtFileEnd,      // further data after the RIFF chunk (e.g. the extra RIFF chunks of a large AVI)
  kNoIndex,           // no idx1 chunk to put the list after
  kDamagedHeader,     // the header list's chunks overlap or leave gaps
  kTooLarge,          // too much data after idx1, or the file would outgrow the 32-bit RIFF size
  kCannotRead,        // error_number says why
  kWriteRefused,      // the write failed (read-only file, full disk...) and the file was restored
  kChangedMeanwhile,  // the file was replaced or written to between reading and writing; not touched
};

struct InfoTagResult {
  InfoTagOutcome outcome = InfoTagOutcome::kWritten;
  int error_number = 0;
};

// The texts to write; a missing one keeps the text that the replaced list held (empty when none).
struct InfoTagEdit {
  std::optional<std::string> title;
  std::optional<std::string> creator;
  std::optional<std::string> comment;
};

// The RIFF chunk ends the file afterwards, followed by a zero pad byte when its size is odd; a pad byte
// the file had is not kept with the chunks after idx1. All three texts empty leave the eight bytes
// "LIST" and a zero size after idx1. The name is not checked here.
InfoTagResult WriteInfoTagsToFile(const std::string& path, const InfoTagEdit& edit);

// A short English description of an outcome, for messages.
const char* InfoTagOutcomeText(InfoTagOutcome outcome);
