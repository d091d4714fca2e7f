#include "settings/profile_store.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "platform/file_write.h"
#include "platform/regular_file.h"
#include "settings/profile_text.h"

namespace {

constexpr size_t kMaxProfileBytes = size_t{16} << 20;

enum class FileState { kRead, kMissing, kUnreadable };

// Reads the whole file into content. Anything but a regular file (a FIFO, a folder) is unreadable.
FileState ReadProfileFile(const std::string& file, std::string& content) {
  content.clear();
  uint64_t length = 0;
  const FileDescriptor fd = OpenRegularFile(file, &length);
  if (!fd.is_open())
    return errno == ENOENT || errno == ENOTDIR ? FileState::kMissing : FileState::kUnreadable;
  FileState state = length > kMaxProfileBytes ? FileState::kUnreadable : FileState::kRead;
  char buffer[65536];
  while (state == FileState::kRead) {
    ssize_t n = read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 || content.size() + static_cast<size_t>(n) > kMaxProfileBytes) {
      state = FileState::kUnreadable;
    } else {
      content.append(buffer, static_cast<size_t>(n));
    }
  }
  if (state != FileState::kRead) content.clear();
  return state;
}

// Follows a symbolic link so that the link survives, and makes the folder on the first write.
bool ReplaceFile(const std::string& file, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path target = fs::canonical(file, error);
  if (error) target = file;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), error);
  return ReplaceFileContents(target.string(), bytes).ok;
}

// The key's value as the text calls return it, or nothing when the key is missing.
std::optional<std::string> ReadValue(std::string_view section, std::string_view key,
                                     const std::string& file) {
  std::string content;
  if (ReadProfileFile(file, content) != FileState::kRead) return std::nullopt;
  ProfileEntry entry = FindProfileEntry(content, section, key);
  if (!entry.key_found) return std::nullopt;
  std::string_view value = entry.value.substr(0, entry.value.find('\0'));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool IsTrailByte(unsigned char b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

std::string CutToCapacity(std::string_view text, size_t capacity) {
  if (capacity == 0) return {};
  size_t limit = capacity - 1;
  if (text.size() <= limit) return std::string(text);
  size_t end = 0;
  while (end < limit) {
    size_t n = IsLeadByte(text[end]) && end + 1 < text.size() && IsTrailByte(text[end + 1]) ? 2 : 1;
    if (end + n > limit) break;
    end += n;
  }
  return std::string(text.substr(0, end));
}

int LeadingDecimal(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint32_t>(text[i] - '0');
  }
  return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace

std::string ProfileReadText(std::string_view section, std::string_view key, std::string_view default_value,
                            size_t capacity, const std::string& file) {
  std::optional<std::string> value = ReadValue(section, key, file);
  return CutToCapacity(value ? std::string_view(*value) : default_value, capacity);
}

int ProfileReadInt(std::string_view section, std::string_view key, int default_value,
                   const std::string& file) {
  std::optional<std::string> value = ReadValue(section, key, file);
  if (!value || value->empty()) return default_value;
  return LeadingDecimal(*value);
}

bool ProfileWriteText(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file) {
  if (!IsStorableProfileEntry(section, key, value)) return false;
  std::string content;
  if (ReadProfileFile(file, content) == FileState::kUnreadable) return false;
  return ReplaceFile(file, ProfileWithEntry(content, section, key, value));
}
