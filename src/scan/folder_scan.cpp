#include "scan/folder_scan.h"

#include <sys/stat.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/dir_listing.h"
#include "probe/media_file_name.h"
#include "scan/intake_run.h"

namespace {

struct FolderPlan {
  std::vector<ScannedFile> files;
  std::vector<size_t> subfolders;  // indices into the plan list, in listing order
};

struct OpenFolder {
  size_t plan;
  std::string path;
  std::vector<DirEntry> entries;
  size_t next_entry = 0;
  int next_row;  // where the next file of this folder would be inserted, counted from the first row
};

bool IsEnterableFolder(uint32_t attributes) {
  return attributes == kAttrDirectory || attributes == (kAttrDirectory | kAttrReadOnly) ||
         attributes == (kAttrDirectory | kAttrArchive);
}

// Lists the whole tree first. Inserting each file at its folder's next row, as it is met, would move
// every later row on each insertion; instead the walk notes each file's key and progress number and the
// rows are then appended once, in their final order.
class ScanPlanner {
 public:
  ScanPlanner(const SettingsRecord& settings, const std::atomic<bool>& stop)
      : settings_(settings), stop_(stop) {}

  void Walk(const std::string& top) {
    Enter(top);
    while (!open_.empty() && !stop_) {
      OpenFolder& folder = open_.back();
      if (folder.next_entry == folder.entries.size()) {
        open_.pop_back();
        continue;
      }
      const DirEntry& entry = folder.entries[folder.next_entry++];
      std::string path = JoinPath(folder.path, entry.name);
      if (IsEnterableFolder(entry.attributes)) {
        size_t parent_plan = folder.plan;
        if (Enter(path)) plans_[parent_plan].subfolders.push_back(plans_.size() - 1);
      } else if (IsMediaFileName(path, settings_)) {
        const int32_t key = files_met_++;
        plans_[folder.plan].files.push_back({std::move(path), key, folder.next_row++});
      }
    }
  }

  // The files in row order: a folder's files, then its subfolders' rows, depth first.
  std::vector<ScannedFile> TakeRows() {
    std::vector<ScannedFile> rows;
    if (plans_.empty()) return rows;
    std::vector<std::pair<size_t, size_t>> pending = {{0, 0}};  // plan, next subfolder
    Take(plans_[0], rows);
    while (!pending.empty()) {
      auto& [plan, next_subfolder] = pending.back();
      if (next_subfolder == plans_[plan].subfolders.size()) {
        pending.pop_back();
        continue;
      }
      size_t child = plans_[plan].subfolders[next_subfolder++];
      Take(plans_[child], rows);
      pending.push_back({child, 0});
    }
    return rows;
  }

 private:
  bool Enter(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return false;
    if (!entered_.insert({info.st_dev, info.st_ino}).second) return false;
    std::vector<DirEntry> entries;
    if (!ListFolder(path, entries)) return false;
    plans_.emplace_back();
    open_.push_back({plans_.size() - 1, path, std::move(entries), 0, files_met_});
    return true;
  }

  static void Take(FolderPlan& plan, std::vector<ScannedFile>& rows) {
    for (ScannedFile& file : plan.files) rows.push_back(std::move(file));
  }

  const SettingsRecord& settings_;
  const std::atomic<bool>& stop_;
  int files_met_ = 0;
  std::vector<FolderPlan> plans_;
  std::vector<OpenFolder> open_;
  std::set<std::pair<dev_t, ino_t>> entered_;
};

}  // namespace

std::vector<ScannedFile> ListFolderScan(const std::string& folder, const SettingsRecord& settings,
                                        const std::atomic<bool>& stop) {
  ScanPlanner planner(settings, stop);
  planner.Walk(folder);
  return planner.TakeRows();
}

void ScanFolder(const std::string& folder) {
  IntakeRun({{IntakeStep::Kind::kFolder, folder}}).RunToEnd();
}
