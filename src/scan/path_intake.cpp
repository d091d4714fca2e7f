#include "scan/path_intake.h"

#include <unistd.h>

#include <cerrno>

#include "platform/dir_listing.h"
#include "probe/media_file_name.h"
#include "scan/folder_scan.h"
#include "scan/list_entry_builder.h"

namespace {

std::string WorkingFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

void Count(PathIntake result, PathIntakeSummary& summary) {
  if (result == PathIntake::kFolder) ++summary.folders;
  if (result == PathIntake::kAcceptedFile) ++summary.accepted_files;
  if (result == PathIntake::kIgnored) ++summary.ignored;
}

}  // namespace

PathIntake AddPathToList(const std::string& path, int counter) {
  uint32_t attributes = FileAttributes(path);
  // A missing path is ignored outright: handing it on would list a row for a file that is not there.
  if (attributes == kAttrInvalid) return PathIntake::kIgnored;
  if (attributes == kAttrDirectory || attributes == (kAttrDirectory | kAttrReadOnly) ||
      attributes == (kAttrDirectory | kAttrArchive)) {
    ScanFolder(path);
    return PathIntake::kFolder;
  }
  if (IsMediaFileName(path)) {
    BuildListEntry(path, counter);
    return PathIntake::kAcceptedFile;
  }
  return PathIntake::kIgnored;
}

PathIntakeSummary TakeCommandLinePaths(const std::vector<std::string>& pieces) {
  PathIntakeSummary summary;
  const std::string working_folder = WorkingFolder();
  int counter = 0;
  for (const std::string& piece : pieces) {
    summary.last_path = AbsoluteCommandLinePath(piece, working_folder);
    PathIntake result = AddPathToList(summary.last_path, counter);
    Count(result, summary);
    if (result != PathIntake::kFolder) ++counter;
  }
  return summary;
}

PathIntakeSummary TakeDroppedPaths(const std::vector<std::string>& paths) {
  PathIntakeSummary summary;
  int counter = 0;
  for (const std::string& path : paths) {
    summary.last_path = path;
    PathIntake result = AddPathToList(path, counter);
    Count(result, summary);
    if (result == PathIntake::kAcceptedFile) ++counter;
  }
  return summary;
}

std::string AbsoluteCommandLinePath(const std::string& path, const std::string& working_folder) {
  if (path.empty()) return path;
  std::string joined = path[0] == '/' ? path : working_folder + "/" + path;
  std::vector<std::string> steps;
  size_t start = 0;
  while (start <= joined.size()) {
    size_t slash = joined.find('/', start);
    if (slash == std::string::npos) slash = joined.size();
    std::string step = joined.substr(start, slash - start);
    if (step == "..") {
      if (!steps.empty()) steps.pop_back();
    } else if (!step.empty() && step != ".") {
      steps.push_back(std::move(step));
    }
    start = slash + 1;
  }
  std::string tidy;
  for (const std::string& step : steps) tidy += "/" + step;
  return tidy.empty() ? "/" : tidy;
}
