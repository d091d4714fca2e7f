#pragma once
// The folders of the rows' paths in the row store (list/list_model.h).
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// The folders of the rows' paths, each kept once: the rows of a scan share a few folders. Entry 0 is the
// empty folder of a path without one.
class FolderTable {
 public:
  FolderTable() = default;
  // The entries point into the map's own keys, which a move keeps in place and a copy would not.
  FolderTable(const FolderTable&) = delete;
  FolderTable& operator=(const FolderTable&) = delete;
  FolderTable(FolderTable&&) = default;
  FolderTable& operator=(FolderTable&&) = default;

  uint32_t Intern(const std::string& folder) {
    const auto [found, added] = ids_.try_emplace(folder, static_cast<uint32_t>(folders_.size()));
    if (added) folders_.push_back(&found->first);
    return found->second;
  }
  const std::string& Folder(uint32_t id) const { return *folders_[id]; }

 private:
  std::unordered_map<std::string, uint32_t> ids_{{std::string(), 0}};
  std::vector<const std::string*> folders_{&ids_.begin()->first};
};
