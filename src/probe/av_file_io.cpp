#include "probe/av_file_io.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/av_library.h"

namespace {

constexpr int kBufferSize = 32768;

}  // namespace

AvFileIo::AvFileIo(MediaFile& file, uint64_t budget) : file_(file), budget_left_(budget) {
  if (!AvLibrary()) return;
  auto* buffer = static_cast<unsigned char*>(AvLibrary()->av_malloc(kBufferSize));
  if (!buffer) return;
  context_ = AvLibrary()->avio_alloc_context(buffer, kBufferSize, 0, this, Read, nullptr, Seek);
  if (!context_) AvLibrary()->av_free(buffer);
}

AvFileIo::~AvFileIo() {
  if (!context_) return;
  AvLibrary()->av_freep(&context_->buffer);
  AvLibrary()->avio_context_free(&context_);
}

int AvFileIo::Read(void* opaque, uint8_t* out, int size) {
  auto& io = *static_cast<AvFileIo*>(opaque);
  const uint64_t file_size = io.file_.size();
  if (size <= 0 || io.position_ >= file_size || io.budget_left_ == 0) return AVERROR_EOF;
  uint64_t count = std::min({static_cast<uint64_t>(size), io.budget_left_, file_size - io.position_});
  // The first bytes come from the file's head, which is read once for everyone.
  if (io.position_ < MediaFile::kHeadCapacity)
    count = std::min(count, MediaFile::kHeadCapacity - io.position_);
  const std::string_view bytes =
      io.file_.View(io.position_, static_cast<size_t>(count), reinterpret_cast<char*>(out));
  if (bytes.empty()) return AVERROR_EOF;
  if (bytes.data() != reinterpret_cast<char*>(out)) std::memcpy(out, bytes.data(), bytes.size());
  io.position_ += bytes.size();
  io.budget_left_ -= bytes.size();
  return static_cast<int>(bytes.size());
}

int64_t AvFileIo::Seek(void* opaque, int64_t offset, int whence) {
  auto& io = *static_cast<AvFileIo*>(opaque);
  const auto file_size =
      static_cast<int64_t>(std::min<uint64_t>(io.file_.size(), std::numeric_limits<int64_t>::max()));
  if (whence & AVSEEK_SIZE) return file_size;
  int64_t base = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      break;
    case SEEK_CUR:
      base = static_cast<int64_t>(io.position_);
      break;
    case SEEK_END:
      base = file_size;
      break;
    default:
      return AVERROR(EINVAL);
  }
  // Offsets come from the file: one that would wrap or go before the start is refused.
  if (offset < -base || (offset > 0 && offset > std::numeric_limits<int64_t>::max() - base)) {
    return AVERROR(EINVAL);
  }
  io.position_ = static_cast<uint64_t>(base + offset);
  return base + offset;
}
