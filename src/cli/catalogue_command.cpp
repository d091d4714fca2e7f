#include "cli/catalogue_command.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_text.h"
#include "list/csv_list_ahead.h"
#include "list/csv_reader.h"
#include "list/list_file_writer.h"
#include "list/list_model.h"
#include "list/status_totals.h"
#include "list/txt_list.h"
#include "scan/path_intake.h"
#include "scan/scan_progress.h"
#include "settings/html_options.h"

namespace {

constexpr std::chrono::milliseconds kRedrawInterval{50};

void Print(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

class StdoutSink : public ListTextSink {
 public:
  void Put(std::string_view bytes) override { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }
};

// One line on the terminal, rewritten as the files go by; at most every kRedrawInterval, since a write
// per file would slow a large scan down.
class TerminalProgress {
 public:
  explicit TerminalProgress(bool wanted) : active_(wanted && isatty(STDERR_FILENO)) {
    if (!active_) return;
    SetScanProgressSink([last = std::chrono::steady_clock::time_point()](const std::string& text) mutable {
      const auto now = std::chrono::steady_clock::now();
      if (now - last < kRedrawInterval) return;
      last = now;
      std::fprintf(stderr, "\r%s\033[K", text.c_str());
      std::fflush(stderr);
    });
  }
  ~TerminalProgress() {
    if (!active_) return;
    SetScanProgressSink({});
    std::fputs("\r\033[K", stderr);
  }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

 private:
  bool active_;
};

void Warn(const CliOptions& options, const std::string& path, const std::string& what) {
  std::fputs(("tessaroll-cli: " + TerminalPath(path, options.utf8) + ": " + what + "\n").c_str(), stderr);
}

bool ImportCsvFiles(const CliOptions& options) {
  for (const std::string& path : options.imports) {
    std::vector<int> misaligned_lines;
    CsvReadCode code = ReadCsvListFile(path, &misaligned_lines);
    for (int line_no : misaligned_lines) {
      Warn(options, path,
           "line " + std::to_string(line_no) +
               ": its fields do not line up with the header; its row will never reach a file");
    }
    if (code == kCsvLoaded) continue;
    std::string message = "tessaroll-cli: " + TerminalPath(path, options.utf8) + ": " +
                          TerminalText(CsvReadErrorCaption(code), options.utf8) + ": " +
                          TerminalText(CsvReadErrorText(code), options.utf8) + "\n";
    std::fputs(message.c_str(), stderr);
    return false;
  }
  return true;
}

ListFileEncoding OutputEncoding(const CliOptions& options) {
  return options.bom ? ListFileEncoding::kUtf8WithBom : ListFileEncoding::kCp932;
}

// ahead, when given, holds the -o file made ahead (a CSV file).
bool WriteOutput(const CliOptions& options, CsvListAhead* ahead) {
  const ListFileEncoding encoding = OutputEncoding(options);
  if (options.output.empty()) {
    StdoutSink terminal;
    ListFileOutput text(terminal, options.bom    ? encoding
                                  : options.utf8 ? ListFileEncoding::kUtf8
                                                 : ListFileEncoding::kCp932);
    WriteTxtList(ListFileColumnsFromList(), ListFileRowsFromList(), true, text);
    text.Finish();
    return true;
  }
  const ListFileKind kind = ListFileKindOfName(options.output);
  ListFileResult result =
      ahead ? ahead->Write(options.output, options.append)
            : WriteListFile(options.output, kind, options.append, ReadHtmlOptions(), encoding);
  for (const CsvUnreadableCell& cell : result.unreadable_cells) {
    Warn(options, options.output,
         "line " + std::to_string(cell.line_no) + ", " +
             TerminalText(ListColumnHeader(cell.position), options.utf8) +
             ": the cell holds \",\" or a line break and will not read back as it is (saved all the same)");
  }
  if (result.ok) return true;
  // A FIFO, device or folder is refused with EINVAL or EISDIR before anything is opened.
  const char* reason =
      result.what == "open" && (result.error_number == EINVAL || result.error_number == EISDIR)
          ? "not a regular file"
          : std::strerror(result.error_number);
  std::fprintf(stderr, "tessaroll-cli: cannot write %s (%s: %s)\n", options.output.c_str(),
               result.what.c_str(), reason);
  return false;
}

}  // namespace

bool LoadListRows(const CliOptions& options, const std::function<void()>& before_paths) {
  if (!ImportCsvFiles(options)) return false;
  if (!options.paths.empty()) {
    if (before_paths) before_paths();
    PathIntakeSummary summary;
    {
      TerminalProgress progress(!options.quiet);
      summary = TakeCommandLinePaths(options.paths, options.reader_threads);
    }
    if (ListRowCount() > 0) UpdateStatusTotals(summary.last_path);
  }
  return true;
}

int RunCatalogueCommand(const CliOptions& options) {
  // While the rows come in, the CSV list file is made ahead of them (list/csv_list_ahead.h).
  std::optional<CsvListAhead> ahead;
  const bool csv_file = !options.output.empty() && ListFileKindOfName(options.output) == kListFileCsv;
  // Only a list filled from empty by the paths is made ahead; imported rows are written as they stand.
  auto start_ahead = [&] {
    if (csv_file && ListRowCount() == 0) ahead.emplace(OutputEncoding(options));
  };
  if (!LoadListRows(options, start_ahead)) return kExitFailed;
  if (!WriteOutput(options, ahead ? &*ahead : nullptr)) return kExitFailed;
  if (options.status) {
    for (const std::string& text : CurrentStatusTexts()) Print(TerminalText(text, options.utf8) + "\n");
  }
  return kExitDone;
}
