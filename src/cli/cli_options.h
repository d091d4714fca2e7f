#pragma once
// The options of the batch command, parsed from argv without side effects.
#include <string>
#include <vector>

#include "scan/intake_run.h"

struct CliOptions {
  bool help = false;
  bool version = false;
  bool probe = false;       // --probe: one line per file from the media probe
  bool check = false;       // --check: the probe asks the installed decoders too
  bool utf8 = false;        // --utf8: print UTF-8 instead of CP932
  bool bom = false;         // --bom: with --utf8, the list in UTF-8 after a byte order mark
  bool append = false;      // --append: add the data rows to the TXT output file
  bool status = false;      // --status: the four status bar texts after the list
  bool quiet = false;       // -q: no progress on standard error
  bool write_tags = false;  // --write-tags: write every loaded row's tags into its AVI file
  bool dry_run = false;     // --dry-run: with --write-tags, say what would change and change nothing
  bool keep_mtime = false;  // --keep-mtime: with --write-tags, written files keep their modification time
  bool settings_given = false;
  std::string settings_file;                   // -s: the settings file to read instead of the program's
  std::vector<std::string> imports;            // -i: CSV list files to load first, in order
  std::string output;                          // -o: the list file to write; standard output when empty
  std::vector<std::string> paths;              // every argument that is not an option, as given
  int reader_threads = kDefaultReaderThreads;  // -j: files read at once; 1 reads one after another
};

// Fills options from argv. On a usage error returns false and sets error to a one-line message
// (no trailing newline). Options that take a value accept it as the next argument or, for the long
// forms, after "=". "--" ends the options; later arguments are paths even when they start with "-".
// Usage errors: an unknown option or a missing value; a -j that is not a number from 1 to 256; --check
// without --probe; --probe without a path or with list options; --write-tags with list output options or with
// --probe; --dry-run or --keep-mtime without --write-tags; --bom without --utf8, or with --append, --probe or
// --write-tags; an output name that is not a list file name (TXT, CSV, HTM, .html); --append without a TXT
// output; an import that is not a CSV file; neither a path nor an import.
bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error);
