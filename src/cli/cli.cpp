#include "cli/cli.h"

#include <cstdio>
#include <string>

#include "cli/catalogue_command.h"
#include "cli/cli_options.h"
#include "cli/probe_command.h"
#include "cli/write_tags_command.h"
#include "list/columns.h"
#include "platform/file_write.h"
#include "platform/patch_journal.h"
#include "settings/settings.h"

namespace {

void PrintUsage(FILE* out) {
  std::fputs(
      "Usage: tessaroll-cli [OPTIONS] [PATH...]\n"
      "  PATH...              files and folders, each taken in like a path named on the program's\n"
      "                       command line (folders scanned, listable files added, others ignored)\n"
      "  -s, --settings FILE  read settings from FILE instead of the program's settings file\n"
      "                       (a missing FILE means every default); settings are never written\n"
      "  -i, --import FILE    load a CSV list file first, as the open command does; repeatable\n"
      "                       (see CSV list files below)\n"
      "  -o, --output FILE    write the list to FILE, the format chosen by its last three characters\n"
      "                       (TXT, CSV or HTM, any letter case; a name ending in .html is HTML);\n"
      "                       without -o the TXT list goes to standard output\n"
      "      --append         with a TXT output: append the data rows, as overwrite-save does\n"
      "      --status         after the list, print the four status-bar texts, one per line\n"
      "                       (row count and total, disk size, disk free, share in use)\n"
      "      --write-tags     after loading the rows (-i, PATH...), write each row's title, creator\n"
      "                       and comment into its AVI file, where the file shows other texts (so\n"
      "                       rows of PATH... listed afresh never undo the edits of an -i list);\n"
      "                       rows naming one file with different texts are refused; skipped files\n"
      "                       are named on standard error; no list is written\n"
      "      --dry-run        with --write-tags: print per file what would change (\"old\" -> \"new\")\n"
      "                       or why it would not be written; change nothing\n"
      "      --keep-mtime     with --write-tags: written files keep their modification time\n"
      "      --probe FILE...  print, per file: path, video format, audio format, video rate,\n"
      "                       audio rate, frame rate, picture size, playing time, check result\n"
      "                       (tab-separated) instead of a list\n"
      "      --check          with --probe: also ask the installed decoders (check result 0-7)\n"
      "      --utf8           write text output as UTF-8 instead of Shift-JIS (CP932)\n"
      "      --bom            with --utf8: the list, on standard output or in the -o file, in UTF-8\n"
      "                       after a byte order mark, so spreadsheet programs read it right\n"
      "  -j, --jobs N         read up to N files at once while listing (1 to 256, default 16; fewer\n"
      "                       while the files come from memory; 1 reads them one after another);\n"
      "                       the list is the same for every N\n"
      "  -q, --quiet          no progress on standard error\n"
      "  -h, --help           show this help and exit\n"
      "  -V, --version        show the name and version and exit\n"
      "CSV list files: a file in UTF-8 (with a byte order mark, or valid UTF-8 that is not valid\n"
      "Shift-JIS) is converted first. A file a spreadsheet saved (commas outside quotes separate,\n"
      "a doubled quote in a quoted field is one quote) is read that way when that gives every line\n"
      "the header's number of fields and the program's own rules would not; any other file is read\n"
      "by the program's own rules, as always. A row reaches its file (--write-tags) only when its\n"
      "folder and name cells fit exactly one existing file, each name compared in Shift-JIS (so a\n"
      "wave dash or a ? in a cell still finds its file); a line whose fields do not line up with\n"
      "the header (a cell held \",\" or a line break) never reaches a file and is named on\n"
      "standard error. Saving names each cell a CSV file cannot carry unambiguously; the list\n"
      "is saved all the same.\n"
      "Exit status: 0 done; 1 a CSV list file refused, an output that could not be written or,\n"
      "with --write-tags, an AVI file whose tags could not be written; 2 a usage error.\n",
      out);
}

}  // namespace

int RunCli(int argc, char** argv) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "tessaroll-cli: %s\n", error.c_str());
    return kExitUsage;
  }
  if (options.help) {
    PrintUsage(stdout);
    return kExitDone;
  }
  if (options.version) {
    std::printf("tessaroll-cli %s\n", TESSAROLL_VERSION);
    return kExitDone;
  }
  // A file-size limit must fail a write, not end the program in the middle of one; and a tag write that
  // an earlier run could not finish is undone before any file is read.
  IgnoreFileSizeLimitSignal();
  RecoverInterruptedPatches();
  // The readers follow the user's settings and shown columns, as in the window program.
  if (options.settings_given) UseSettingsFile(options.settings_file);
  LoadSettings();
  BuildColumns();
  if (options.probe) return RunProbeCommand(options);
  if (options.write_tags) return LoadListRows(options) ? RunWriteTagsCommand(options) : kExitFailed;
  return RunCatalogueCommand(options);
}
