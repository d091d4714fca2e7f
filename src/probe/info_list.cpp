#include "probe/info_list.h"

#include <cstdint>

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

std::string RenderInfoList(const InfoTags& tags) {
  std::string sub_chunks;
  AppendSubChunk(sub_chunks, "ISBJ", tags.title);
  AppendSubChunk(sub_chunks, "ICMT", tags.comment);
  AppendSubChunk(sub_chunks, "ICOP", tags.creator);

  std::string list = "LIST";
  if (sub_chunks.empty()) {
    AppendLe32(list, 0);
    return list;
  }
  AppendLe32(list, static_cast<uint32_t>(4 + sub_chunks.size()));
  list.append("INFO");
  list.append(sub_chunks);
  return list;
}

InfoTags ParseInfoList(std::string_view body) {
  InfoTags tags;
  if (body.size() < 4 || body.substr(0, 4) != "INFO") return tags;
  size_t offset = 4;
  // Every step moves forward by at least eight bytes, so the walk ends.
  while (body.size() - offset >= 8) {
    const std::string_view id = body.substr(offset, 4);
    const uint64_t n = Le32At(body, offset + 4);
    offset += 8;
    const std::string_view data = body.substr(offset, n);  // clamped to the bytes that exist
    const std::string text(data.substr(0, data.find('\0')));
    if (id == "ISBJ") tags.title = text;
    if (id == "ICMT") tags.comment = text;
    if (id == "ICOP") tags.creator = text;
    if (n + (n & 1) >= body.size() - offset) break;
    offset += n + (n & 1);
  }
  return tags;
}
