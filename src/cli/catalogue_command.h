#pragma once
// The catalogue run of the batch command: settings, CSV imports, paths, then the list and status texts.
#include <functional>

#include "cli/cli_options.h"

// With the settings loaded and the columns built (by the caller, from the -s file or the program's own),
// loads the -i files in order, takes in the paths as the window takes command-line paths, then writes the
// list to the -o file (its format by its name) or as TXT to standard output, and with --status prints the
// four status bar texts. Settings are never written. Progress goes to standard error when it is a terminal
// and -q is not given. Returns 0, or 1 when a CSV file is refused (nothing is written then) or the output
// cannot be written (any existing file is left as it was); the message goes to standard error.
int RunCatalogueCommand(const CliOptions& options);

// The loading part of the catalogue run: the -i files in order, then the paths (before_paths, when given,
// is called just before they are taken in). Returns false when a CSV file is refused; the message goes to
// standard error.
bool LoadListRows(const CliOptions& options, const std::function<void()>& before_paths = {});
