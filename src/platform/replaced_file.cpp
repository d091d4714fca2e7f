#include "platform/replaced_file.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

namespace {

constexpr size_t kMaxNameBytes = 255;
constexpr std::string_view kTemporarySuffix = ".tmp-XXXXXX";

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

std::string FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::string target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
    const ssize_t n = readlink(current.c_str(), target.data(), target.size());
    if (n <= 0) break;
    target.resize(static_cast<size_t>(n));
    current = target[0] == '/' ? target : FolderOf(current) + target;
  }
  return current;
}

std::string TemporaryPattern(const std::string& target) {
  const std::string folder = FolderOf(target);
  std::string name = target.substr(folder.size());
  if (name.size() + kTemporarySuffix.size() > kMaxNameBytes) {
    size_t cut = kMaxNameBytes - kTemporarySuffix.size();
    // Never leave the lead bytes of a UTF-8 character without its continuation bytes.
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return folder + name + std::string(kTemporarySuffix);
}

void RemoveLeftoverTemporaries(const std::string& target) {
  const std::string pattern = TemporaryPattern(target);
  const std::string folder = FolderOf(pattern);
  const std::string_view stem =
      std::string_view(pattern).substr(folder.size(), pattern.size() - folder.size() - 6);  // without the Xs
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name.size() != stem.size() + 6 || name.substr(0, stem.size()) != stem) continue;
    const std::string path = folder + std::string(name);
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) unlink(path.c_str());
  }
  closedir(listing);
}
