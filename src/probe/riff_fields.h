#pragma once
// The leading bytes of a RIFF chunk's data, read once, with little-endian fields that exist only when
// they lie wholly inside what was read: a field beyond a short chunk has no value.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "probe/riff_reader.h"

struct RiffFields {
  static constexpr size_t kCapacity = 56;  // the largest header read (the main AVI header)
  unsigned char bytes[kCapacity] = {};
  size_t size = 0;

  std::optional<uint16_t> U16(size_t offset) const;
  std::optional<uint32_t> U32(size_t offset) const;
};

// Reads up to count (at most kCapacity) bytes of the chunk from the reader's position, its data start
// after FindChunk.
RiffFields ReadRiffFields(RiffReader& reader, const RiffChunk& chunk, size_t count);
