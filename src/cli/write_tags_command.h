#pragma once
// --write-tags: writes the title, creator and comment of every loaded row into its AVI file.
#include "cli/cli_options.h"

// Checks every row of the row store and writes the tags of each row whose file shows other texts (rows
// whose name does not end in i or I are left alone, and so are files that already show the row's texts,
// so rows listed afresh never undo the edits of rows loaded before them). Each file that is skipped or
// refuses the write is named on standard error with the reason. With --dry-run nothing is written;
// standard output gets, per file, each text that would change ("old" -> "new"), or why it stays as it
// is. Returns 0, or 1 when a row naming an AVI file could not (or would not) be written.
int RunWriteTagsCommand(const CliOptions& options);
