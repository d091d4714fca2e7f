#include "probe/container_sniff.h"

#include <cstring>

#include "probe/media_file.h"

namespace {

bool BytesAre(const unsigned char* bytes, size_t available, size_t offset, const char* expected) {
  size_t length = std::strlen(expected);
  return offset + length <= available && std::memcmp(bytes + offset, expected, length) == 0;
}

bool ByteIs(const unsigned char* bytes, size_t available, size_t offset, unsigned char expected) {
  return offset < available && bytes[offset] == expected;
}

}  // namespace

ContainerType SniffContainer(const std::string& path) {
  MediaFile file(path);
  return SniffContainerBytes(file.Head());
}

ContainerType SniffContainerBytes(std::string_view first_bytes) {
  const auto* head = reinterpret_cast<const unsigned char*>(first_bytes.data());
  const size_t available = first_bytes.size();
  if (BytesAre(head, available, 0, "RIFF")) return kContainerRiff;
  if (BytesAre(head, available, 0, ".RMF")) return kContainerRealMedia;
  // Only the byte after the pack start code decides; the start code itself is not checked.
  if (ByteIs(head, available, 4, 0x21)) return kContainerMpeg1;
  if (ByteIs(head, available, 4, 0x44)) return kContainerMpeg2;
  // Current QuickTime files begin with their file-type atom, older ones with "moov" or a "wide" atom.
  if (BytesAre(head, available, 4, "moov") || BytesAre(head, available, 4, "wide") ||
      BytesAre(head, available, 4, "ftyp")) {
    return kContainerQuickTime;
  }
  // Bytes 4-7 of the ASF header object's identifier, in stored order.
  if (BytesAre(head, available, 4, "\x8E\x66\xCF\x11")) return kContainerAsf;
  return kContainerUnknown;
}
