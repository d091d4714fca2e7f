#include "platform/patch_journal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/byte_cursor.h"
#include "platform/file_descriptor.h"
#include "platform/known_folders.h"
#include "platform/regular_file.h"

namespace {

constexpr std::string_view kMagic = "TESSAROLL-UNDO 1\n";
constexpr std::string_view kRecordSuffix = ".undo";
constexpr std::string_view kDraftSuffix = ".draft";
// A record larger than this was not written by this program (edits keep at most a few MiB).
constexpr uint64_t kMaxRecordBytes = 256u << 20;

void AppendU64(std::string& out, uint64_t value) {
  for (int shift = 0; shift < 64; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// FNV-1a: a record cut short or garbled by a crash never passes for a whole one.
uint64_t Checksum(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string Serialize(const PatchUndo& undo) {
  std::string out(kMagic);
  AppendU64(out, undo.device);
  AppendU64(out, undo.inode);
  AppendU64(out, undo.old_length);
  AppendU64(out, static_cast<uint64_t>(undo.accessed_ns));
  AppendU64(out, static_cast<uint64_t>(undo.modified_ns));
  AppendU64(out, undo.path.size());
  out += undo.path;
  AppendU64(out, undo.saved.size());
  for (const SavedBytes& saved : undo.saved) {
    AppendU64(out, saved.offset);
    AppendU64(out, saved.bytes.size());
    out += saved.bytes;
  }
  AppendU64(out, Checksum(out));
  return out;
}

// A length-prefixed string.
std::string_view SizedBytes(ByteCursor& reader) {
  const uint64_t size = reader.Le64();
  return reader.Bytes(size);
}

bool Parse(std::string_view bytes, PatchUndo& undo) {
  if (bytes.size() < kMagic.size() + 8 || bytes.substr(0, kMagic.size()) != kMagic) return false;
  const std::string_view body = bytes.substr(0, bytes.size() - 8);
  if (ByteCursor(bytes.substr(body.size())).Le64() != Checksum(body)) return false;
  ByteCursor reader(body.substr(kMagic.size()));
  undo.device = reader.Le64();
  undo.inode = reader.Le64();
  undo.old_length = reader.Le64();
  undo.accessed_ns = static_cast<int64_t>(reader.Le64());
  undo.modified_ns = static_cast<int64_t>(reader.Le64());
  undo.path = SizedBytes(reader);
  const uint64_t count = reader.Le64();
  undo.saved.clear();
  for (uint64_t i = 0; i < count && reader.ok(); ++i) {
    SavedBytes saved;
    saved.offset = reader.Le64();
    saved.bytes = SizedBytes(reader);
    undo.saved.push_back(std::move(saved));
  }
  return reader.ok() && reader.remaining() == 0;
}

// A new or removed record only lasts a power loss once its folder is synced too.
bool SyncFolder(const std::string& folder) {
  const FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.is_open() && fsync(fd.get()) == 0;
}

bool MakeFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

bool EndsWith(std::string_view name, std::string_view suffix) {
  return name.size() > suffix.size() && name.substr(name.size() - suffix.size()) == suffix;
}

std::string RecordName(uint64_t device, uint64_t inode) {
  return std::to_string(device) + "-" + std::to_string(inode) + std::string(kRecordSuffix);
}

enum class Recovery { kUndone, kKept, kDropped, kBusy };

Recovery RecoverRecord(const std::string& folder, const std::string& name) {
  const std::string record_path = folder + "/" + name;
  const FileDescriptor record(open(record_path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW));
  if (!record.is_open()) return Recovery::kKept;
  // A record another process still holds belongs to an edit still going on; one removed meanwhile, to an
  // edit that has finished.
  struct stat st {};
  if (flock(record.get(), LOCK_EX | LOCK_NB) != 0 || fstat(record.get(), &st) != 0 || st.st_nlink == 0) {
    return Recovery::kBusy;
  }
  std::string bytes;
  PatchUndo undo;
  const bool whole = S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) <= kMaxRecordBytes &&
                     ReadExactlyAt(record.get(), 0, static_cast<size_t>(st.st_size), bytes) &&
                     Parse(bytes, undo);
  Recovery result = Recovery::kDropped;
  if (whole) {
    // A record is only complete once synced, and its file is not touched before: a record cut short
    // belongs to a file that is as it was.
    const FileDescriptor target(open(undo.path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    struct stat target_st {};
    if (!target.is_open()) {
      result = Recovery::kKept;
    } else if (fstat(target.get(), &target_st) == 0 && S_ISREG(target_st.st_mode) &&
               static_cast<uint64_t>(target_st.st_ino) == undo.inode) {
      result =
          ApplyPatchUndo(target.get(), undo, undo.old_length, true) ? Recovery::kUndone : Recovery::kKept;
    }
  }
  if (result != Recovery::kKept) {
    unlink(record_path.c_str());
    SyncFolder(folder);
  }
  return result;
}

}  // namespace

std::string PatchJournalFolder() {
  const char* state_home = std::getenv("XDG_STATE_HOME");
  // XDG base directory rules ignore a relative XDG_STATE_HOME.
  if (state_home && state_home[0] == '/') return std::string(state_home) + "/tessaroll/undo";
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + "/.local/state/tessaroll/undo";
}

bool PatchJournal::Record(const PatchUndo& undo) {
  const std::string folder = PatchJournalFolder();
  if (folder.empty()) {
    errno = ENOENT;
    return false;
  }
  if (!MakeFolders(folder)) return false;
  const std::string name = RecordName(undo.device, undo.inode);
  // The record is written whole under a private name and then linked to its own, so a recovery never
  // sees it half written; the lock taken first goes with it.
  const std::string draft = folder + "/" + name + "." + std::to_string(getpid()) + std::string(kDraftSuffix);
  fd_ = FileDescriptor(open(draft.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!fd_.is_open()) return false;
  record_path_ = draft;
  if (flock(fd_.get(), LOCK_EX) != 0 || !WriteExactlyAt(fd_.get(), 0, Serialize(undo)) ||
      fsync(fd_.get()) != 0) {
    return Fail();
  }
  // An edit of the same file still holds a record, or left one that could not be undone yet: the file
  // is not edited again until that one is settled.
  const std::string record_path = folder + "/" + name;
  if (link(draft.c_str(), record_path.c_str()) != 0) {
    if (errno == EEXIST) errno = EBUSY;
    return Fail();
  }
  unlink(draft.c_str());
  record_path_ = record_path;
  if (!SyncFolder(folder)) return Fail();
  return true;
}

bool PatchJournal::Fail() {
  const int saved_errno = errno;
  Remove();
  errno = saved_errno;
  return false;
}

void PatchJournal::Remove() {
  if (!fd_.is_open()) return;
  unlink(record_path_.c_str());
  SyncFolder(record_path_.substr(0, record_path_.rfind('/')));
  fd_.Close();
}

bool ApplyPatchUndo(int fd, const PatchUndo& undo, uint64_t length, bool restore_times) {
  for (const SavedBytes& saved : undo.saved) {
    if (!WriteExactlyAt(fd, saved.offset, saved.bytes)) return false;
  }
  if (ftruncate(fd, static_cast<off_t>(length)) != 0) return false;
  if (restore_times) {
    const timespec times[2] = {{undo.accessed_ns / 1000000000, undo.accessed_ns % 1000000000},
                               {undo.modified_ns / 1000000000, undo.modified_ns % 1000000000}};
    if (futimens(fd, times) != 0) return false;
  }
  return fsync(fd) == 0;
}

int RecoverInterruptedPatches() {
  const std::string folder = PatchJournalFolder();
  DIR* listing = folder.empty() ? nullptr : opendir(folder.c_str());
  if (listing == nullptr) return 0;
  std::vector<std::string> records, drafts;
  while (const dirent* entry = readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (EndsWith(name, kRecordSuffix)) records.emplace_back(name);
    if (EndsWith(name, kDraftSuffix)) drafts.emplace_back(name);
  }
  closedir(listing);
  // A draft no process holds was never linked, so its file was never touched.
  for (const std::string& name : drafts) {
    const std::string path = folder + "/" + name;
    const FileDescriptor draft(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (draft.is_open() && flock(draft.get(), LOCK_EX | LOCK_NB) == 0) unlink(path.c_str());
  }
  int undone = 0;
  for (const std::string& name : records) undone += RecoverRecord(folder, name) == Recovery::kUndone;
  return undone;
}
