#include "scan/folder_scan.h"

#include <sys/stat.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "list/list_model.h"
#include "platform/dir_listing.h"
#include "platform/volume_label.h"
#include "probe/media_file_name.h"
#include "scan/list_entry_builder.h"

namespace {

struct PlannedFile {
  std::string path;
  int32_t key;
  int progress_number;
};

struct FolderPlan {
  std::vector<PlannedFile> files;
  std::vector<size_t> subfolders;  // indices into the plan list, in listing order
};

struct OpenFolder {
  size_t plan;
  std::string path;
  std::vector<DirEntry> entries;
  size_t next_entry = 0;
  int next_row;  // where the next file of this folder would be inserted
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
  explicit ScanPlanner(int initial_rows) : initial_rows_(initial_rows) {}

  void Walk(const std::string& top) {
    Enter(top);
    while (!open_.empty()) {
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
      } else if (IsMediaFileName(path)) {
        int32_t key = initial_rows_ + files_met_++;
        plans_[folder.plan].files.push_back({std::move(path), key, folder.next_row++});
      }
    }
  }

  // Builds the rows: a folder's files, then its subfolders' rows, depth first.
  void BuildRows() const {
    if (plans_.empty()) return;
    std::vector<std::pair<size_t, size_t>> pending = {{0, 0}};  // plan, next subfolder
    for (const PlannedFile& file : plans_[0].files) Build(file);
    while (!pending.empty()) {
      auto& [plan, next_subfolder] = pending.back();
      if (next_subfolder == plans_[plan].subfolders.size()) {
        pending.pop_back();
        continue;
      }
      size_t child = plans_[plan].subfolders[next_subfolder++];
      for (const PlannedFile& file : plans_[child].files) Build(file);
      pending.push_back({child, 0});
    }
  }

 private:
  bool Enter(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return false;
    if (!entered_.insert({info.st_dev, info.st_ino}).second) return false;
    std::vector<DirEntry> entries;
    if (!ListFolder(path, entries)) return false;
    plans_.emplace_back();
    open_.push_back({plans_.size() - 1, path, std::move(entries), 0, initial_rows_ + files_met_});
    return true;
  }

  static void Build(const PlannedFile& file) {
    BuildListEntryWithKey(file.path, ListRowCount(), file.key, file.progress_number);
  }

  int initial_rows_;
  int files_met_ = 0;
  std::vector<FolderPlan> plans_;
  std::vector<OpenFolder> open_;
  std::set<std::pair<dev_t, ino_t>> entered_;
};

}  // namespace

void ScanFolder(const std::string& folder) {
  ClearVolumeLabelCache();
  ScanPlanner planner(ListRowCount());
  planner.Walk(folder);
  planner.BuildRows();
}
