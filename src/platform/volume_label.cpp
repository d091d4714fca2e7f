#include "platform/volume_label.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdlib>
#include <unordered_map>

#ifdef TESSAROLL_HAVE_BLKID
#include <blkid/blkid.h>
#endif

namespace {

struct LabelCache {
  std::unordered_map<dev_t, std::string> by_device;
  // The folder asked last: a scan asks for every file of a folder in turn, and this spares a stat each.
  std::string last_path;
  std::string last_label;
};

LabelCache& Cache() {
  static LabelCache cache;
  return cache;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// udev writes bytes that are unsafe in a file name as "\xNN".
std::string DecodeLinkName(const std::string& name) {
  std::string decoded;
  for (size_t i = 0; i < name.size(); ++i) {
    if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && HexDigit(name[i + 2]) >= 0 &&
        HexDigit(name[i + 3]) >= 0) {
      decoded.push_back(static_cast<char>(HexDigit(name[i + 2]) * 16 + HexDigit(name[i + 3])));
      i += 3;
    } else {
      decoded.push_back(name[i]);
    }
  }
  return decoded;
}

#ifdef TESSAROLL_HAVE_BLKID
// Reads the file system's superblock, which needs read access to the device (root or the disk group).
// The low-level probe is used rather than the blkid cache, which would rewrite /run/blkid/blkid.tab.
std::string LabelFromBlkid(dev_t device) {
  char* device_name = blkid_devno_to_devname(device);
  if (device_name == nullptr) return std::string();
  std::string label;
  if (blkid_probe probe = blkid_new_probe_from_filename(device_name)) {
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL);
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0 && blkid_probe_lookup_value(probe, "LABEL", &value, nullptr) == 0 &&
        value != nullptr) {
      label = value;
    }
    blkid_free_probe(probe);
  }
  free(device_name);
  return label;
}
#endif

std::string LookUpLabel(dev_t device) {
  // Anonymous devices (major 0) are virtual file systems: tmpfs, overlay, btrfs subvolumes, FUSE.
  if (major(device) == 0) return std::string();
  // udev's links need no privileges and read nothing from the disk; the superblock is the fallback.
  std::string label = LabelFromLinkFolder("/dev/disk/by-label", device);
#ifdef TESSAROLL_HAVE_BLKID
  if (label.empty()) label = LabelFromBlkid(device);
#endif
  return label;
}

}  // namespace

std::string LabelFromLinkFolder(const std::string& folder, dev_t device) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return std::string();
  std::string label;
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat target;
    if (fstatat(dirfd(dir), entry->d_name, &target, 0) == 0 &&
        (S_ISBLK(target.st_mode) || S_ISCHR(target.st_mode)) && target.st_rdev == device) {
      label = DecodeLinkName(name);
      break;
    }
  }
  closedir(dir);
  return label;
}

std::string VolumeLabel(const std::string& path) {
  LabelCache& cache = Cache();
  if (!path.empty() && path == cache.last_path) return cache.last_label;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) return std::string();
  auto found = cache.by_device.find(info.st_dev);
  if (found == cache.by_device.end())
    found = cache.by_device.emplace(info.st_dev, LookUpLabel(info.st_dev)).first;
  cache.last_path = path;
  cache.last_label = found->second;
  return found->second;
}

void ClearVolumeLabelCache() {
  Cache() = LabelCache();
}
