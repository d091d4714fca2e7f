#pragma once
// The private-profile (INI) text format on the bytes of a whole file: section lines "[name]" followed by
// "key=value" lines, in CP932. Sections and keys match without regard to ASCII case (the bytes of a
// double-byte character must match exactly), the first match wins, and blanks around names and values do
// not count. Lines may end in CR LF or LF. Any content, however malformed, is scanned in one linear pass.
#include <string>
#include <string_view>

struct ProfileEntry {
  bool section_found = false;
  bool key_found = false;
  std::string_view value;  // the key's value without surrounding blanks; views into the content
};

// Looks up key in the first section named section. A line without "=" is a key with an empty value.
ProfileEntry FindProfileEntry(std::string_view content, std::string_view section, std::string_view key);

// The content with key set to value. The first matching key line is replaced (keeping the key's spelling
// and the line end); a missing key is added after the last line of the first matching section; a missing
// section is appended. Every other byte is kept. New lines end like the content's first line, or in CR LF
// when it has none.
std::string ProfileWithEntry(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value);

// False when writing the entry would change the file's structure: a line break or NUL byte anywhere, an
// empty key, a key holding "=" or starting with "[", or a section holding "]".
bool IsStorableProfileEntry(std::string_view section, std::string_view key, std::string_view value);
