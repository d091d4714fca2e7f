#pragma once
// Folder listings and file attributes in the form the scan expects: Windows-style attribute bits computed
// from the Linux file system, and entries in a fixed order (names compared ignoring ASCII letter case,
// ties broken by the bytes), as an NTFS listing returns them.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kAttrReadOnly = 0x01;  // a folder the user cannot write to
constexpr uint32_t kAttrHidden = 0x02;    // the name starts with "."
constexpr uint32_t kAttrDirectory = 0x10;
constexpr uint32_t kAttrArchive = 0x20;        // every entry that is not a folder
constexpr uint32_t kAttrReparsePoint = 0x400;  // a symbolic link, whatever it points to
constexpr uint32_t kAttrInvalid = 0xFFFFFFFF;  // the path does not exist

struct DirEntry {
  std::string name;  // file-system bytes, no folder
  uint32_t attributes = 0;
};

// The attributes of the path: a folder is 0x10, plus 0x01 when the user cannot write it; anything else is
// 0x20; plus 0x02 for a name starting with "."; a symbolic link adds 0x400 to the attributes of what it
// points to (0x400 alone when it points nowhere). kAttrInvalid when nothing is there.
uint32_t FileAttributes(const std::string& path);

// Fills entries with the folder's entries except "." and "..", in listing order, each with the
// attributes FileAttributes gives for folder + "/" + name. Returns false, with entries empty, when the
// folder cannot be opened for listing.
bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries);

// The listing order: negative, zero or positive as a sorts before, equals or after b.
int CompareListingNames(const std::string& a, const std::string& b);

// The path of a name in a folder, with one "/" between them ("/" + "a.avi" gives "/a.avi").
std::string JoinPath(const std::string& folder, const std::string& name);
