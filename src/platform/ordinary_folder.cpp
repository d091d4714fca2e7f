#include "platform/ordinary_folder.h"

#include <mntent.h>
#include <sys/stat.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 15> kPseudoFileSystems = {
    "proc",    "sysfs",  "devtmpfs", "devpts",   "debugfs", "tracefs", "securityfs", "cgroup",
    "cgroup2", "pstore", "bpf",      "configfs", "fusectl", "mqueue",  "binfmt_misc"};

bool UnderMountPoint(std::string_view path, std::string_view mount_point) {
  if (mount_point == "/") return true;
  return path.substr(0, mount_point.size()) == mount_point &&
         (path.size() == mount_point.size() || path[mount_point.size()] == '/');
}

// The type of the innermost mount that holds the resolved path.
std::string FileSystemTypeOf(const std::string& resolved) {
  FILE* mounts = setmntent("/proc/self/mounts", "r");
  if (!mounts) return {};
  std::string type;
  size_t longest = 0;
  mntent entry{};
  std::array<char, 4096> buffer{};
  while (getmntent_r(mounts, &entry, buffer.data(), static_cast<int>(buffer.size()))) {
    const std::string_view mount_point = entry.mnt_dir;
    if (mount_point.size() >= longest && UnderMountPoint(resolved, mount_point)) {
      longest = mount_point.size();
      type = entry.mnt_type;
    }
  }
  endmntent(mounts);
  return type;
}

}  // namespace

bool IsOrdinaryFolder(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved)) return false;
  const std::string type = FileSystemTypeOf(resolved);
  for (std::string_view pseudo : kPseudoFileSystems) {
    if (type == pseudo) return false;
  }
  return true;
}
