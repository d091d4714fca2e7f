#pragma once
// --probe: one line per file with the media info record and the check result.
#include "cli/cli_options.h"

// Prints, for each path in order, the path, the seven fields of the media info record and the check
// result, separated by tabs. Every path gets its line; a file that cannot be read has empty fields and
// is also reported on standard error. Returns 0, or 1 when some file could not be read.
int RunProbeCommand(const CliOptions& options);
