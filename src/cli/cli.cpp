#include "cli/cli.h"

#include <cstdio>
#include <string>

#include "cli/cli_options.h"
#include "cli/probe_command.h"
#include "list/columns.h"
#include "settings/settings.h"

namespace {

void PrintUsage(FILE* out) {
  std::fputs(
      "Usage: tessaroll-cli [OPTION]... [PATH]...\n"
      "  --probe FILE...  print, per file: path, video format, audio format, video rate,\n"
      "                   audio rate, frame rate, picture size, playing time, check result\n"
      "                   (tab-separated)\n"
      "  --check          with --probe: also ask the installed decoders (check result 0-7)\n"
      "  --utf8           print UTF-8 instead of CP932 (Shift-JIS)\n"
      "  -h, --help       show this help and exit\n"
      "  -V, --version    show the version and exit\n",
      out);
}

}  // namespace

int RunCli(int argc, char** argv) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "tessaroll-cli: %s\n", error.c_str());
    return 2;
  }
  if (options.help) {
    PrintUsage(stdout);
    return 0;
  }
  if (options.version) {
    std::printf("tessaroll-cli %s\n", TESSAROLL_VERSION);
    return 0;
  }
  // The readers follow the user's settings and shown columns, as in the window program.
  LoadSettings();
  BuildColumns();
  if (options.probe) return RunProbeCommand(options);
  std::fprintf(stderr, "tessaroll-cli: nothing to do (try --help)\n");
  return 2;
}
