#pragma once
// The RIFF "LIST"/"INFO" list that carries an AVI file's title, creator and comment. Sizes are unsigned
// 32-bit little-endian; texts are CP932 bytes as typed.
#include <string>
#include <string_view>

struct InfoTags {
  std::string title;    // "ISBJ"
  std::string creator;  // "ICOP"
  std::string comment;  // "ICMT"

  bool operator==(const InfoTags&) const = default;
};

// A parsed list: our three texts and everything else it holds.
struct InfoList {
  InfoTags tags;
  // The sub-chunks with other ids (INAM, IART, ISFT... written by other programs), byte for byte with
  // their pad bytes, in their order.
  std::string other_sub_chunks;
  // Every byte belongs to a sub-chunk that lies within the list (the last one may lack its pad byte).
  bool whole = true;
};

// The bytes of the list: "LIST", L, "INFO", the other sub-chunks as given, then "ISBJ", "ICMT", "ICOP" in
// that order, each only when its text is not empty, as id, n = text length + 1, the text, a zero byte
// and, when n is odd, a zero pad byte that n does not count. L counts "INFO" and every sub-chunk with its
// pad byte. With nothing to hold (all three texts empty, no other sub-chunks) there is no list: "".
std::string RenderInfoList(const InfoTags& tags, std::string_view other_sub_chunks = {});

// The list given the bytes after its size field (from "INFO" on). A text ends at its first zero byte or
// at its sub-chunk's end; a sub-chunk cut short by the end of the bytes gives the bytes that are there
// (and the list is not whole). A later sub-chunk with the same id replaces an earlier one.
InfoList ParseInfoList(std::string_view body);
