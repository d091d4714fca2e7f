#pragma once
// The RIFF "LIST"/"INFO" list that carries an AVI file's title, creator and comment. Sizes are unsigned
// 32-bit little-endian; texts are CP932 bytes as typed.
#include <string>
#include <string_view>

struct InfoTags {
  std::string title;    // "ISBJ"
  std::string creator;  // "ICOP"
  std::string comment;  // "ICMT"
};

// The bytes of the list: "LIST", L, "INFO", then the sub-chunks "ISBJ", "ICMT", "ICOP" in that order, each
// only when its text is not empty, as id, n = text length + 1, the text, a zero byte and, when n is odd,
// a zero pad byte that n does not count. L counts "INFO" and every sub-chunk with its pad byte. When all
// three texts are empty the result is the eight bytes "LIST" and a zero size, which marks an emptied list.
std::string RenderInfoList(const InfoTags& tags);

// The texts of a list's sub-chunks, given the bytes after the list's size field (from "INFO" on). A
// text ends at its first zero byte or at its sub-chunk's end; a sub-chunk cut short by the end of the
// bytes gives the bytes that are there. A later sub-chunk with the same id replaces an earlier one.
InfoTags ParseInfoList(std::string_view body);
