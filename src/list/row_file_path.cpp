#include "list/row_file_path.h"

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/dir_listing.h"

namespace {

// Past this many look-alike folders at one level a path is taken as ambiguous rather than walked on.
constexpr size_t kMostCandidateFolders = 64;

// The folder cell's components; "/" never occurs inside a CP932 character, so splitting bytes is safe.
std::vector<std::string> FolderComponents(const std::string& folder) {
  std::vector<std::string> components;
  for (size_t start = 0; start <= folder.size();) {
    size_t slash = folder.find('/', start);
    if (slash == std::string::npos) slash = folder.size();
    if (slash > start) components.push_back(folder.substr(start, slash - start));
    start = slash + 1;
  }
  return components;
}

}  // namespace

const std::multimap<std::string, std::string>& RowFileResolver::Entries(const std::string& folder) {
  auto [listing, added] = listings_.try_emplace(folder);
  if (added) {
    std::vector<DirEntry> entries;
    ListFolder(folder, entries);
    for (DirEntry& entry : entries) listing->second.emplace(Utf8ToCp932(entry.name), std::move(entry.name));
  }
  return listing->second;
}

std::vector<std::string> RowFileResolver::Matches(const std::vector<std::string>& folders,
                                                  const std::string& component) {
  std::vector<std::string> paths;
  for (const std::string& folder : folders) {
    // "." and ".." are no entries of a listing; they name what they always name.
    if (component == "." || component == "..") {
      paths.push_back(JoinPath(folder, component));
      continue;
    }
    auto [first, last] = Entries(folder).equal_range(component);
    for (auto match = first; match != last; ++match) paths.push_back(JoinPath(folder, match->second));
  }
  return paths;
}

RowFileQuery RowFileQueryOf(int row) {
  RowFileQuery query;
  query.misaligned = ListRowMisaligned(row);
  query.kept_path = ListRowPath(row);
  if (query.misaligned || !query.kept_path.empty()) return query;
  if (const int folder_position = ColumnPosition(kColFolder); folder_position >= 0)
    query.folder = ListGetCell(row, folder_position, std::string::npos);
  query.name = ListGetCell(row, ColumnPosition(kColFileName), std::string::npos);
  return query;
}

RowFile RowFileResolver::Resolve(const RowFileQuery& query) {
  if (query.misaligned) return {RowFileStatus::kMisaligned, {}};
  if (!query.kept_path.empty()) return {RowFileStatus::kResolved, query.kept_path};
  if (!query.folder) return {};
  const std::string& folder = *query.folder;
  const std::string& name = query.name;
  if (folder.empty() || name.empty() || name == "." || name == "..") return {};
  std::vector<std::string> candidates{folder.front() == '/' ? "/" : "."};
  for (const std::string& component : FolderComponents(folder)) {
    candidates = Matches(candidates, component);
    if (candidates.empty()) return {};
    if (candidates.size() > kMostCandidateFolders) return {RowFileStatus::kAmbiguous, {}};
  }
  std::vector<std::string> files = Matches(candidates, name);
  if (files.empty()) return {};
  if (files.size() > 1) return {RowFileStatus::kAmbiguous, {}};
  return {RowFileStatus::kResolved, std::move(files.front())};
}

RowFile ResolveRowFile(int row) {
  return RowFileResolver().Resolve(row);
}
