#include "probe/info_list.h"

#include <cstdint>

#include "platform/byte_cursor.h"
#include "probe/little_endian.h"

namespace {

void AppendSubChunk(std::string& out, const char* id, const std::string& text) {
  if (text.empty()) return;
  const uint32_t n = static_cast<uint32_t>(text.size() + 1);
  out.append(id, 4);
  AppendLe32(out, n);
  out.append(text);
  out.push_back('\0');
  if (n & 1) out.push_back('\0');
}

}  // namespace

std::string RenderInfoList(const InfoTags& tags, std::string_view other_sub_chunks) {
  std::string sub_chunks(other_sub_chunks);
  AppendSubChunk(sub_chunks, "ISBJ", tags.title);
  AppendSubChunk(sub_chunks, "ICMT", tags.comment);
  AppendSubChunk(sub_chunks, "ICOP", tags.creator);
  if (sub_chunks.empty()) return {};

  std::string list = "LIST";
  AppendLe32(list, static_cast<uint32_t>(4 + sub_chunks.size()));
  list.append("INFO");
  list.append(sub_chunks);
  return list;
}

InfoList ParseInfoList(std::string_view body) {
  InfoList list;
  ByteCursor cursor(body);
  if (cursor.FourCC() != "INFO") {
    list.whole = false;
    return list;
  }
  // Every step moves forward by at least eight bytes, so the walk ends.
  while (cursor.remaining() > 0) {
    const size_t start = cursor.offset();
    const std::string_view id = cursor.FourCC();
    const uint64_t n = cursor.Le32();
    if (!cursor.ok()) {
      list.whole = false;
      break;
    }
    const std::string_view data = body.substr(cursor.offset(), n);  // clamped to the bytes that exist
    const std::string text(data.substr(0, data.find('\0')));
    if (id == "ISBJ") {
      list.tags.title = text;
    } else if (id == "ICMT") {
      list.tags.comment = text;
    } else if (id == "ICOP") {
      list.tags.creator = text;
    } else {
      list.other_sub_chunks.append(body.substr(start, 8 + n + (n & 1)));
      // A last odd sub-chunk without its pad byte gets one, so that a chunk after it starts even.
      if ((n & 1) && start + 8 + n == body.size()) list.other_sub_chunks.push_back('\0');
    }
    if (data.size() < n) list.whole = false;
    cursor.Skip(n + (n & 1));
  }
  return list;
}
