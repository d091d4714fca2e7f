#include "cli/write_tags_command.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "cli/cli.h"
#include "cli/cli_text.h"
#include "list/list_model.h"
#include "probe/info_tag_writer.h"

namespace {

std::string Reason(const InfoTagRowReport& report) {
  std::string reason = InfoTagOutcomeText(report.outcome);
  if (report.error_number != 0) reason += std::string(" (") + std::strerror(report.error_number) + ")";
  return reason;
}

// What a write would change, one line per text: NAME: "old" -> "new".
void PrintChanges(const std::string& file, const InfoTagRowReport& report, bool utf8) {
  const struct {
    const char* name;
    const std::string& old_text;
    const std::string& new_text;
  } texts[] = {{"title", report.shown.title, report.written.title},
               {"creator", report.shown.creator, report.written.creator},
               {"comment", report.shown.comment, report.written.comment}};
  for (const auto& text : texts) {
    if (text.old_text == text.new_text) continue;
    std::printf("%s: %s: \"%s\" -> \"%s\"\n", file.c_str(), text.name,
                TerminalText(text.old_text, utf8).c_str(), TerminalText(text.new_text, utf8).c_str());
  }
}

}  // namespace

int RunWriteTagsCommand(const CliOptions& options) {
  for (int row = 0; row < ListRowCount(); ++row) ListSetChecked(row, true);
  InfoTagWalkOptions walk;
  walk.write.only_changed = true;
  walk.write.keep_modified_time = options.keep_mtime;
  walk.dry_run = options.dry_run;
  int exit_code = kExitDone;
  for (const InfoTagRowReport& report : WriteInfoTags(walk)) {
    // A row that reaches no file for sure is named by its cells.
    const std::string file = report.path.empty() ? TerminalText(report.row_name, options.utf8)
                                                 : TerminalPath(report.path, options.utf8);
    const bool done = IsTagWriteDone(report.outcome);
    // The files were named on purpose: any that is not written fails the run, apart from the other
    // kinds of listed files, which have no tags to write.
    if (!done && report.outcome != InfoTagOutcome::kNotAviName) exit_code = kExitFailed;
    if (options.dry_run) {
      if (report.outcome == InfoTagOutcome::kWritten) {
        PrintChanges(file, report, options.utf8);
      } else {
        std::printf("%s: %s\n", file.c_str(), Reason(report).c_str());
      }
    } else if (!done) {
      std::fprintf(stderr, "tessaroll-cli: %s: %s\n", file.c_str(), Reason(report).c_str());
    }
  }
  return exit_code;
}
