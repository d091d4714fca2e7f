#pragma once
// --write-tags: writes the title, creator and comment of every loaded row into its AVI file.
#include "cli/cli_options.h"

// Checks every row of the row store and writes their tags (rows whose name does not end in i or I are
// left alone). Each file that is skipped or refuses the write is named on standard error with the
// reason. Returns 0, or 1 when a row naming an AVI file could not be written.
int RunWriteTagsCommand(const CliOptions& options);
