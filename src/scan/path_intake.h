#pragma once
// Taking paths into the list: files and folders named on the command line or dropped on the window.
// The window adds its menu and status bar updates around these; the batch command uses them as they are.
#include <string>
#include <vector>

#include "scan/intake_run.h"

enum class PathIntake { kFolder, kAcceptedFile, kIgnored };

// A folder whose attributes are exactly 0x10, 0x11 or 0x30 is scanned (scan/folder_scan.h). Anything
// else that exists is taken as a file: it gets a row (scan/list_entry_builder.h) when the media file
// name test accepts its name (so a hidden or linked folder named clips.avi gets a row holding its name
// only) and is ignored otherwise. A path that does not exist is always ignored.
PathIntake ClassifyIntakePath(const std::string& path);

struct PathIntakeSummary {
  int folders = 0;
  int accepted_files = 0;
  int ignored = 0;
  std::string last_path;  // the last path taken in (as made absolute), for the status totals
};

// The steps of an intake and what it will have taken in once they are run (scan/intake_run.h).
struct PathIntakePlan {
  std::vector<IntakeStep> steps;
  PathIntakeSummary summary;
};

// Command-line pieces, each one path (spaces inside kept). A relative piece is taken against the
// working directory; "." and ".." steps and doubled or trailing "/" are tidied away by the text alone. An
// empty piece is ignored. The counter starts at 0 and grows by one after every piece that was not a folder,
// so the files of pieces a, x.txt, b go in at rows 0 and 2.
PathIntakePlan PlanCommandLineIntake(const std::vector<std::string>& pieces);

// Dropped items: the counter starts at 0 and grows only after an accepted file, so dropped files go in
// at the top in drop order, above the rows already there.
PathIntakePlan PlanDroppedIntake(const std::vector<std::string>& paths);

// The plans run to their end with reader_threads reading at once.
PathIntakeSummary TakeCommandLinePaths(const std::vector<std::string>& pieces,
                                       int reader_threads = kDefaultReaderThreads);
PathIntakeSummary TakeDroppedPaths(const std::vector<std::string>& paths,
                                   int reader_threads = kDefaultReaderThreads);

// path as an absolute path tidied as for the command line, taken against working_folder when relative;
// an empty path stays empty.
std::string AbsoluteCommandLinePath(const std::string& path, const std::string& working_folder);
