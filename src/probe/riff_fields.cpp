#include "probe/riff_fields.h"

#include <algorithm>

#include "probe/little_endian.h"

std::optional<uint16_t> RiffFields::U16(size_t offset) const {
  if (offset + 2 > size) return std::nullopt;
  return Le16(bytes + offset);
}

std::optional<uint32_t> RiffFields::U32(size_t offset) const {
  if (offset + 4 > size) return std::nullopt;
  return Le32(bytes + offset);
}

RiffFields ReadRiffFields(RiffReader& reader, const RiffChunk& chunk, size_t count) {
  RiffFields fields;
  fields.size = reader.Read(chunk, fields.bytes, std::min(count, RiffFields::kCapacity));
  return fields;
}
