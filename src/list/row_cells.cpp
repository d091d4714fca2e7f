#include "list/row_cells.h"

#include <algorithm>

std::string_view RowCells::Get(int position) const {
  if (position < 0 || position >= count_) return {};
  const uint32_t start = position == 0 ? 0 : ends_[position - 1];
  return std::string_view(bytes_).substr(start, ends_[position] - start);
}

void RowCells::GetAll(std::span<std::string_view> cells) const {
  const size_t held = std::min<size_t>(cells.size(), count_);
  uint32_t start = 0;
  for (size_t position = 0; position < held; ++position) {
    cells[position] = std::string_view(bytes_.data() + start, ends_[position] - start);
    start = ends_[position];
  }
  std::fill(cells.begin() + held, cells.end(), std::string_view());
}

void RowCells::Set(int position, std::string_view text) {
  if (position < 0 || position >= kMaxCells) return;
  while (count_ <= position) {
    ends_[count_] = count_ == 0 ? 0 : ends_[count_ - 1];
    ++count_;
  }
  const uint32_t start = position == 0 ? 0 : ends_[position - 1];
  const uint32_t old_size = ends_[position] - start;
  bytes_.replace(start, old_size, text);
  const int64_t change = static_cast<int64_t>(text.size()) - old_size;
  for (int later = position; later < count_; ++later)
    ends_[later] = static_cast<uint32_t>(ends_[later] + change);
  // A row that has grown and shrunk again gives back what it no longer needs.
  if (bytes_.capacity() > 2 * bytes_.size() + 64) bytes_.shrink_to_fit();
}

void RowCells::Assign(std::span<const std::string_view> cells) {
  count_ = static_cast<uint8_t>(std::min<size_t>(cells.size(), kMaxCells));
  size_t size = 0;
  for (int position = 0; position < count_; ++position) size += cells[position].size();
  std::string bytes;
  bytes.reserve(size);
  for (int position = 0; position < count_; ++position) {
    bytes += cells[position];
    ends_[position] = static_cast<uint32_t>(bytes.size());
  }
  bytes_ = std::move(bytes);
}
