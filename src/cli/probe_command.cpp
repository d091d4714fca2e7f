#include "cli/probe_command.h"

#include <cstdio>
#include <string>

#include "cli/cli.h"
#include "cli/cli_text.h"
#include "probe/media_file.h"
#include "probe/media_info.h"
#include "probe/probe_media_file.h"

namespace {

// Only a regular file can be read: a FIFO or device named on the command line must not block.
bool CanRead(const std::string& path) {
  MediaFile file(path);
  return file.is_open() && (file.size() == 0 || !file.Head().empty());
}

}  // namespace

int RunProbeCommand(const CliOptions& options) {
  int exit_code = kExitDone;
  for (const std::string& path : options.paths) {
    int check_result = ProbeMediaFile(path, options.check);
    const MediaInfoRecord& info = MediaInfo();
    std::string line = TerminalPath(path, options.utf8);
    for (const std::string* field : MediaTexts(info)) {
      line += '\t';
      line += TerminalText(*field, options.utf8);
    }
    line += '\t' + std::to_string(check_result) + '\n';
    std::fwrite(line.data(), 1, line.size(), stdout);
    if (!CanRead(path)) {
      std::fprintf(stderr, "tessaroll-cli: %s: cannot read the file\n", path.c_str());
      exit_code = kExitFailed;
    }
  }
  return exit_code;
}
