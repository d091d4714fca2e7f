#pragma once
// The options of the batch command, parsed from argv without side effects.
#include <string>
#include <vector>

struct CliOptions {
  bool help = false;
  bool version = false;
  bool probe = false;              // --probe: one line per file from the media probe
  bool check = false;              // --check: the probe asks the installed decoders too
  bool utf8 = false;               // --utf8: print UTF-8 instead of CP932
  std::vector<std::string> paths;  // every argument that is not an option, as given
};

// Fills options from argv. On a usage error returns false and sets error to a one-line message
// (no trailing newline). "--" ends the options; later arguments are paths even when they start with "-".
bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error);
