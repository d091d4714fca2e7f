#include "platform/dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/file_descriptor.h"

namespace {

// Names fold to upper case, as NTFS compares them: "_" (0x5F) then sorts after the letters.
unsigned char UpperAscii(unsigned char c) {
  return (c >= 'a' && c <= 'z') ? c - ('a' - 'A') : c;
}

uint32_t HiddenBit(const std::string& name) {
  return (!name.empty() && name[0] == '.') ? kAttrHidden : 0;
}

// Attributes of what a stat call found. The write test is made only for folders, whose exact value
// decides whether the scan enters them.
uint32_t AttributesOfTarget(const struct stat& target, int at_fd, const char* path) {
  if (!S_ISDIR(target.st_mode)) return kAttrArchive;
  return kAttrDirectory | (faccessat(at_fd, path, W_OK, 0) == 0 ? 0 : kAttrReadOnly);
}

uint32_t AttributesAt(int at_fd, const char* path, const std::string& name) {
  struct stat entry;
  if (fstatat(at_fd, path, &entry, AT_SYMLINK_NOFOLLOW) != 0) return kAttrInvalid;
  uint32_t attributes = 0;
  if (S_ISLNK(entry.st_mode)) {
    struct stat target;
    attributes = kAttrReparsePoint;
    if (fstatat(at_fd, path, &target, 0) == 0) attributes |= AttributesOfTarget(target, at_fd, path);
  } else {
    attributes = AttributesOfTarget(entry, at_fd, path);
  }
  return attributes | HiddenBit(name);
}

// The last name of a path, ignoring trailing "/" ("/m/clips/" gives "clips").
std::string BaseName(const std::string& path) {
  size_t end = path.find_last_not_of('/');
  if (end == std::string::npos) return std::string();
  size_t slash = path.rfind('/', end);
  size_t start = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(start, end - start + 1);
}

}  // namespace

uint32_t FileAttributes(const std::string& path) {
  if (path.empty()) return kAttrInvalid;
  return AttributesAt(AT_FDCWD, path.c_str(), BaseName(path));
}

bool ListFolder(const std::string& folder, std::vector<DirEntry>& entries) {
  entries.clear();
  FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.is_open()) return false;
  DIR* dir = fdopendir(fd.get());
  if (dir == nullptr) return false;
  fd.release();  // closedir closes it
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    uint32_t attributes;
    // Plain files are the bulk of a media tree: their type from the listing spares a stat call each.
    if (entry->d_type == DT_REG) {
      attributes = kAttrArchive | HiddenBit(name);
    } else {
      attributes = AttributesAt(dirfd(dir), entry->d_name, name);
      if (attributes == kAttrInvalid) continue;  // removed since the listing began
    }
    entries.push_back({std::move(name), attributes});
  }
  closedir(dir);
  std::sort(entries.begin(), entries.end(),
            [](const DirEntry& a, const DirEntry& b) { return CompareListingNames(a.name, b.name) < 0; });
  return true;
}

int CompareListingNames(const std::string& a, const std::string& b) {
  size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    unsigned char ca = UpperAscii(static_cast<unsigned char>(a[i]));
    unsigned char cb = UpperAscii(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}
