#pragma once
// Writes the title, creator and comment into one AVI file as an INFO list right after its "idx1" chunk,
// replacing an INFO list that directly follows idx1 and keeping every other byte. The change is one
// all-or-nothing patch: on any failure, and after a kill or power loss at any instant once the next start
// has put it back, the file is byte for byte as it was.
#include <optional>
#include <string>

#include "probe/info_list.h"
#include "probe/info_tag_outcome.h"

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
