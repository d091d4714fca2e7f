#include "scan/path_intake.h"

#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/dir_listing.h"
#include "probe/media_file_name.h"

namespace {

std::string WorkingFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return "/";
    buffer.resize(buffer.size() * 2);
  }
  return buffer.data();
}

// Counts the path and adds its step; returns how it was taken.
PathIntake AddStep(const std::string& path, int counter, PathIntakePlan& plan) {
  const PathIntake result = ClassifyIntakePath(path);
  plan.summary.last_path = path;
  if (result == PathIntake::kFolder) {
    ++plan.summary.folders;
    plan.steps.push_back({IntakeStep::Kind::kFolder, path, 0});
  } else if (result == PathIntake::kAcceptedFile) {
    ++plan.summary.accepted_files;
    plan.steps.push_back({IntakeStep::Kind::kFile, path, counter});
  } else {
    ++plan.summary.ignored;
  }
  return result;
}

PathIntakeSummary Run(PathIntakePlan plan, int reader_threads) {
  IntakeRun(std::move(plan.steps), reader_threads).RunToEnd();
  return plan.summary;
}

}  // namespace

PathIntake ClassifyIntakePath(const std::string& path) {
  uint32_t attributes = FileAttributes(path);
  // A missing path is ignored outright: handing it on would list a row for a file that is not there.
  if (attributes == kAttrInvalid) return PathIntake::kIgnored;
  if (attributes == kAttrDirectory || attributes == (kAttrDirectory | kAttrReadOnly) ||
      attributes == (kAttrDirectory | kAttrArchive)) {
    return PathIntake::kFolder;
  }
  return IsMediaFileName(path) ? PathIntake::kAcceptedFile : PathIntake::kIgnored;
}

PathIntakePlan PlanCommandLineIntake(const std::vector<std::string>& pieces) {
  PathIntakePlan plan;
  const std::string working_folder = WorkingFolder();
  int counter = 0;
  for (const std::string& piece : pieces) {
    if (AddStep(AbsoluteCommandLinePath(piece, working_folder), counter, plan) != PathIntake::kFolder)
      ++counter;
  }
  return plan;
}

PathIntakePlan PlanDroppedIntake(const std::vector<std::string>& paths) {
  PathIntakePlan plan;
  int counter = 0;
  for (const std::string& path : paths) {
    if (AddStep(path, counter, plan) == PathIntake::kAcceptedFile) ++counter;
  }
  return plan;
}

PathIntakeSummary TakeCommandLinePaths(const std::vector<std::string>& pieces, int reader_threads) {
  return Run(PlanCommandLineIntake(pieces), reader_threads);
}

PathIntakeSummary TakeDroppedPaths(const std::vector<std::string>& paths, int reader_threads) {
  return Run(PlanDroppedIntake(paths), reader_threads);
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
