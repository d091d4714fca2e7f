#pragma once
// The file a row stands for, as the file system names it.
#include <map>
#include <optional>
#include <string>
#include <vector>

enum class RowFileStatus {
  kResolved,    // the row's file is found
  kMissing,     // no entry has the row's folder and name, or the folder path column is hidden
  kAmbiguous,   // more than one entry has them
  kMisaligned,  // the row came from a list file line whose fields did not line up (ListRowMisaligned)
};

// What a row tells of its file, taken from the list so that the file can be looked for elsewhere (on
// another thread, while the list is left alone).
struct RowFileQuery {
  bool misaligned = false;
  std::string kept_path;              // the path kept with a row built from a file
  std::optional<std::string> folder;  // the folder cell; nothing while that column is hidden
  std::string name;                   // the file name cell
};

RowFileQuery RowFileQueryOf(int row);

struct RowFile {
  RowFileStatus status = RowFileStatus::kMissing;
  std::string path;  // the file's path (file-system bytes) when resolved, else empty
};

// Finds the files of rows. A row built from a file has the path kept with it. A row loaded from a list
// file has only its folder and file name cells, CP932 texts in which different names can look the
// same (〜 and ～, − and －, ¥ and \, and every character CP932 lacks shown as "?"): its file is the one
// entry whose path, each folder and the name turned into CP932, is exactly the folder cell and the file
// name cell. No entry is missing, two or more are ambiguous; a row with an empty folder or name cell is
// missing. The listings read are kept for the resolver's life, so one resolver serves a walk over many
// rows while the folders stay as they are.
class RowFileResolver {
 public:
  RowFile Resolve(int row) { return Resolve(RowFileQueryOf(row)); }
  RowFile Resolve(const RowFileQuery& query);

 private:
  // Entry names of a folder by their CP932 form; empty for a folder that cannot be listed.
  const std::multimap<std::string, std::string>& Entries(const std::string& folder);
  // Every path below the candidate folders whose entry's CP932 form is the component.
  std::vector<std::string> Matches(const std::vector<std::string>& folders, const std::string& component);

  std::map<std::string, std::multimap<std::string, std::string>> listings_;
};

// One row with a resolver of its own.
RowFile ResolveRowFile(int row);
