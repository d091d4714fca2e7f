#pragma once
// Sequential reads of little-endian fields from bytes in memory, each checked against the bytes that
// remain. A read or skip that does not fit fails and so does every one after it, so a parser reads its
// fields one after another and asks ok() once, and no size taken from a file can reach past the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  // Whether every read and skip so far fitted.
  bool ok() const { return ok_; }
  // The bytes left to read: none once a read has failed.
  size_t remaining() const { return ok_ ? bytes_.size() - offset_ : 0; }
  // Where the next read starts.
  size_t offset() const { return offset_; }

  // Each read gives 0 (or no bytes) when it does not fit.
  uint16_t Le16() { return static_cast<uint16_t>(LittleEndian(2)); }
  uint32_t Le32() { return static_cast<uint32_t>(LittleEndian(4)); }
  uint64_t Le64() { return LittleEndian(8); }
  std::string_view FourCC() { return Bytes(4); }
  // Exactly count bytes.
  std::string_view Bytes(size_t count) {
    if (!Fits(count)) return {};
    const std::string_view taken = bytes_.substr(offset_, count);
    offset_ += count;
    return taken;
  }
  bool Skip(size_t count) {
    if (Fits(count)) offset_ += count;
    return ok_;
  }

 private:
  bool Fits(size_t count) {
    if (ok_ && count > bytes_.size() - offset_) ok_ = false;
    return ok_;
  }
  uint64_t LittleEndian(size_t count) {
    const std::string_view taken = Bytes(count);
    uint64_t value = 0;
    for (size_t i = taken.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(taken[i]);
    return value;
  }

  std::string_view bytes_;
  size_t offset_ = 0;
  bool ok_ = true;
};
