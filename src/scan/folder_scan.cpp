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

struct OpenFolder {
  std::string path;
  std::vector<DirEntry> entries;
  std::vector<bool> listed;  // by entry: a file that has a row
  size_t next_entry = 0;
  size_t next_row;  // the row of the folder's next file met
};

bool IsEnterableFolder(uint32_t attributes) {
  return attributes == kAttrDirectory || attributes == (kAttrDirectory | kAttrReadOnly) ||
         attributes == (kAttrDirectory | kAttrArchive);
}

// A folder's rows are known as soon as it is listed, but a file's key counts every file met before it,
// those in subfolders listed ahead of it included. So each folder's rows are reported when it is
// entered, and the keys as the walk meets the files, before each next folder is listed.
class ScanWalker {
 public:
  ScanWalker(const SettingsRecord& settings, const std::atomic<bool>& stop, FolderScanSink& sink)
      : settings_(settings), stop_(stop), sink_(sink) {}

  void Walk(const std::string& top) {
    Enter(top);
    while (!open_.empty() && !stop_) {
      OpenFolder& folder = open_.back();
      if (folder.next_entry == folder.entries.size()) {
        open_.pop_back();
        continue;
      }
      const size_t entry = folder.next_entry++;
      if (folder.listed[entry]) {
        keys_met_.push_back({folder.next_row++, files_met_++});
      } else if (IsEnterableFolder(folder.entries[entry].attributes)) {
        ReportKeys();
        Enter(JoinPath(folder.path, folder.entries[entry].name));
      }
    }
    ReportKeys();
  }

 private:
  void Enter(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return;
    if (!entered_.insert({info.st_dev, info.st_ino}).second) return;
    OpenFolder folder{path, {}, {}, 0, rows_listed_};
    if (!ListFolder(path, folder.entries)) return;
    folder.listed.resize(folder.entries.size());
    std::vector<ScannedFile> files;
    for (size_t i = 0; i < folder.entries.size(); ++i) {
      if (IsEnterableFolder(folder.entries[i].attributes)) continue;
      std::string file = JoinPath(path, folder.entries[i].name);
      if (!IsMediaFileName(file, settings_)) continue;
      folder.listed[i] = true;
      files.push_back({std::move(file), 0, files_met_ + static_cast<int>(files.size())});
    }
    rows_listed_ += files.size();
    open_.push_back(std::move(folder));
    if (!files.empty()) sink_.FilesListed(std::move(files));
  }

  void ReportKeys() {
    if (keys_met_.empty()) return;
    sink_.KeysMet(keys_met_);
    keys_met_.clear();
  }

  const SettingsRecord& settings_;
  const std::atomic<bool>& stop_;
  FolderScanSink& sink_;
  int files_met_ = 0;
  size_t rows_listed_ = 0;
  std::vector<OpenFolder> open_;
  std::vector<std::pair<size_t, int32_t>> keys_met_;
  std::set<std::pair<dev_t, ino_t>> entered_;
};

// The rows of a whole walk; a stopped walk keeps only the files it met.
class CollectingSink : public FolderScanSink {
 public:
  void FilesListed(std::vector<ScannedFile> files) override {
    rows_.insert(rows_.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
    met_.resize(rows_.size());
  }
  void KeysMet(const std::vector<std::pair<size_t, int32_t>>& keys) override {
    for (const auto& [row, key] : keys) {
      rows_[row].key_offset = key;
      met_[row] = true;
    }
  }
  std::vector<ScannedFile> TakeRows() {
    std::vector<ScannedFile> rows;
    for (size_t row = 0; row < rows_.size(); ++row) {
      if (met_[row]) rows.push_back(std::move(rows_[row]));
    }
    return rows;
  }

 private:
  std::vector<ScannedFile> rows_;
  std::vector<bool> met_;
};

}  // namespace

void WalkFolderScan(const std::string& folder, const SettingsRecord& settings, const std::atomic<bool>& stop,
                    FolderScanSink& sink) {
  ScanWalker(settings, stop, sink).Walk(folder);
}

std::vector<ScannedFile> ListFolderScan(const std::string& folder, const SettingsRecord& settings,
                                        const std::atomic<bool>& stop) {
  CollectingSink sink;
  WalkFolderScan(folder, settings, stop, sink);
  return sink.TakeRows();
}

void ScanFolder(const std::string& folder) {
  IntakeRun({{IntakeStep::Kind::kFolder, folder}}).RunToEnd();
}
