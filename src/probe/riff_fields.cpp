#include "probe/riff_fields.h"

#include <algorithm>

std::optional<uint16_t> RiffFields::U16(size_t offset) const {
  if (offset + 2 > size) return std::nullopt;
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::optional<uint32_t> RiffFields::U32(size_t offset) const {
  if (offset + 4 > size) return std::nullopt;
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

RiffFields ReadRiffFields(RiffReader& reader, const RiffChunk& chunk, size_t count) {
  RiffFields fields;
  fields.size = reader.Read(chunk, fields.bytes, std::min(count, RiffFields::kCapacity));
  return fields;
}
