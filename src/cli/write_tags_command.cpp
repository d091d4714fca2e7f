#include "cli/write_tags_command.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli_text.h"
#include "list/list_model.h"
#include "probe/info_tag_writer.h"

int RunWriteTagsCommand(const CliOptions& options) {
  for (int row = 0; row < ListRowCount(); ++row) ListSetChecked(row, true);
  int exit_code = 0;
  for (const InfoTagRowReport& report : WriteInfoTags()) {
    if (report.outcome == InfoTagOutcome::kWritten) continue;
    std::string reason = InfoTagOutcomeText(report.outcome);
    if (report.error_number != 0) reason += std::string(" (") + std::strerror(report.error_number) + ")";
    // Rows loaded without their folder column have no path to name.
    const std::string file =
        report.path.empty() ? TerminalText(ListGetCell(report.row, 0), options.utf8) + " (no folder path)"
                            : TerminalPath(report.path, options.utf8);
    std::fprintf(stderr, "tessaroll-cli: %s: %s\n", file.c_str(), reason.c_str());
    if (report.outcome != InfoTagOutcome::kNotAviName) exit_code = 1;
  }
  return exit_code;
}
