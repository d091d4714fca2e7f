#include "probe/sequential_file_reader.h"

SequentialFileReader::SequentialFileReader(const std::string& path)
    : owned_(std::in_place, path), file_(&*owned_) {}

SequentialFileReader::SequentialFileReader(MediaFile& file) : file_(&file) {}

bool SequentialFileReader::Refill() {
  if (ended_) return false;
  // The head is in memory already: it is taken as it stands before anything is read.
  const std::string_view head = file_->Head();
  buffered_ = position_ < head.size() ? head.substr(static_cast<size_t>(position_))
                                      : file_->View(position_, buffer_.size(), buffer_.data());
  next_ = 0;
  if (buffered_.empty()) ended_ = true;
  return !ended_;
}
