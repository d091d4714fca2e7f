#include "settings/profile_text.h"

#include <cstddef>

#include "platform/cp932.h"

namespace {

// No CP932 trail byte falls in this range, so trimming never splits a character.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesMatch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size();) {
    size_t n = Cp932CharLength(a, i);
    if (n == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
    } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
    i += n;
  }
  return true;
}

enum class LineKind { kBlank, kSection, kEntry };

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  std::string_view name;
  std::string_view value;
};

// The last "]" of the text that is a character of its own, or npos.
size_t LastCloseBracket(std::string_view text) {
  size_t found = std::string_view::npos;
  for (size_t i = 0; i < text.size();) {
    size_t n = Cp932CharLength(text, i);
    if (n == 1 && text[i] == ']') found = i;
    i += n;
  }
  return found;
}

ParsedLine ParseLine(std::string_view line) {
  std::string_view text = Trim(line);
  if (text.empty()) return {};
  if (text[0] == '[') {
    size_t close = LastCloseBracket(text);
    if (close != std::string_view::npos) return {LineKind::kSection, Trim(text.substr(1, close - 1)), {}};
  }
  size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {LineKind::kEntry, text, {}};
  return {LineKind::kEntry, Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

struct Line {
  size_t begin = 0;
  size_t end = 0;   // end of the text, before CR LF or LF
  size_t next = 0;  // start of the following line
};

Line LineAt(std::string_view content, size_t begin) {
  size_t newline = content.find('\n', begin);
  if (newline == std::string_view::npos) return {begin, content.size(), content.size()};
  size_t end = newline > begin && content[newline - 1] == '\r' ? newline - 1 : newline;
  return {begin, end, newline + 1};
}

struct ProfileScan {
  ProfileEntry entry;
  Line key_line;
  std::string_view key_name;  // the key as the file spells it
  size_t insert_at = 0;       // where a new key of the section goes
};

ProfileScan ScanProfile(std::string_view content, std::string_view section, std::string_view key) {
  ProfileScan scan;
  bool in_section = false;
  for (size_t pos = 0; pos < content.size();) {
    Line line = LineAt(content, pos);
    ParsedLine parsed = ParseLine(content.substr(line.begin, line.end - line.begin));
    if (parsed.kind == LineKind::kSection) {
      if (in_section) break;  // later sections of the same name are never consulted
      if (NamesMatch(parsed.name, section)) {
        in_section = true;
        scan.entry.section_found = true;
        scan.insert_at = line.next;
      }
    } else if (in_section && parsed.kind == LineKind::kEntry) {
      if (NamesMatch(parsed.name, key)) {
        scan.entry.key_found = true;
        scan.entry.value = parsed.value;
        scan.key_line = line;
        scan.key_name = parsed.name;
        return scan;
      }
      scan.insert_at = line.next;
    }
    pos = line.next;
  }
  return scan;
}

std::string_view LineEndOf(std::string_view content) {
  size_t newline = content.find('\n');
  if (newline != std::string_view::npos && (newline == 0 || content[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

void AppendLine(std::string& out, std::string_view text, std::string_view line_end) {
  if (!out.empty() && out.back() != '\n') out.append(line_end);
  out.append(text);
  out.append(line_end);
}

std::string EntryText(std::string_view key, std::string_view value) {
  std::string text(key);
  text += '=';
  text += value;
  return text;
}

}  // namespace

ProfileEntry FindProfileEntry(std::string_view content, std::string_view section, std::string_view key) {
  return ScanProfile(content, section, key).entry;
}

std::string ProfileWithEntry(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value) {
  ProfileScan scan = ScanProfile(content, section, key);
  std::string_view line_end = LineEndOf(content);
  std::string out;
  out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
  if (scan.entry.key_found) {
    out.append(content.substr(0, scan.key_line.begin));
    out.append(EntryText(scan.key_name, value));
    out.append(content.substr(scan.key_line.end));
  } else if (scan.entry.section_found) {
    out.append(content.substr(0, scan.insert_at));
    AppendLine(out, EntryText(key, value), line_end);
    out.append(content.substr(scan.insert_at));
  } else {
    out.append(content);
    AppendLine(out, "[" + std::string(section) + "]", line_end);
    AppendLine(out, EntryText(key, value), line_end);
  }
  return out;
}

bool IsStorableProfileEntry(std::string_view section, std::string_view key, std::string_view value) {
  for (std::string_view text : {section, key, value}) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  }
  std::string_view name = Trim(key);
  if (name.empty() || name[0] == '[' || name.find('=') != std::string_view::npos) return false;
  return LastCloseBracket(section) == std::string_view::npos;
}
