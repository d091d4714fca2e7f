#pragma once
// Private-profile calls on an INI file of CP932 text, one key at a time, with the semantics of the
// Windows profile functions: a missing file, section or key gives the default; sections and keys match
// without regard to ASCII case and the first match wins; blanks around keys and values do not count; a
// value enclosed in a matching pair of double or single quotes is read without them. Bytes pass through
// unchanged. Each call opens and closes the file. A file that cannot be read, is not a regular file or is
// larger than 16 MiB reads as missing; no content makes a read fail or take more than one linear pass.
#include <cstddef>
#include <string>
#include <string_view>

// The key's value, or default_value when the key is missing, cut to at most capacity - 1 bytes (never
// through a double-byte character). A value is also cut at a NUL byte. Capacity 0 gives "".
std::string ProfileReadText(std::string_view section, std::string_view key, std::string_view default_value,
                            size_t capacity, const std::string& file);

// The key's value as a profile integer: an optional sign and the leading decimal digits (taken modulo
// 2^32), 0 when it starts with no digit; default_value when the key is missing or its value is empty.
int ProfileReadInt(std::string_view section, std::string_view key, int default_value,
                   const std::string& file);

// Sets key in section to value, creating the file's folder, the file, the section and the key as needed,
// and keeping every other line as it stands. The file is replaced as a whole (a temporary file beside it,
// then renamed over it; a symbolic link is followed), so a failed write leaves it untouched. Returns false,
// changing nothing, when the file cannot be read or written, has been made read-only, or the entry is not
// storable (see IsStorableProfileEntry).
bool ProfileWriteText(std::string_view section, std::string_view key, std::string_view value,
                      const std::string& file);
