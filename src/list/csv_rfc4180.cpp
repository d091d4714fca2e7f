#include "list/csv_rfc4180.h"

namespace {

class RecordScanner {
 public:
  explicit RecordScanner(std::string_view text) : text_(text) {}
  bool left_open() const { return left_open_; }

  // One record object serves every record, so that its fields keep their room from one to the next.
  bool Run(const std::function<bool(const CsvRecord&)>& take) {
    CsvRecord record;
    while (at_ < text_.size()) {
      record.first_line = line_;
      record.doubled_quote = false;
      if (!ReadRecord(record)) return false;
      if (!take(record)) return true;
    }
    return true;
  }

 private:
  bool AtLineEnd() const {
    return text_[at_] == '\n' || (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n');
  }

  void SkipLineEnd() {
    at_ += text_[at_] == '\r' ? 2 : 1;
    ++line_;
  }

  // Reads fields up to and including the record's line end.
  bool ReadRecord(CsvRecord& record) {
    size_t count = 0;
    for (;;) {
      if (count == record.fields.size()) record.fields.emplace_back();
      std::string& field = record.fields[count++];
      field.clear();
      if (at_ < text_.size() && text_[at_] == '"') {
        if (!ReadQuoted(field, record.doubled_quote)) return false;
      } else {
        const size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ',' && !AtLineEnd()) ++at_;
        field.append(text_.substr(start, at_ - start));
      }
      if (at_ < text_.size() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      record.fields.resize(count);
      if (at_ == text_.size()) return true;
      if (!AtLineEnd()) return false;
      SkipLineEnd();
      return true;
    }
  }

  bool ReadQuoted(std::string& field, bool& doubled_quote) {
    ++at_;
    while (at_ < text_.size()) {
      const size_t start = at_;
      while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\r' && text_[at_] != '\n') ++at_;
      field.append(text_.substr(start, at_ - start));
      if (at_ == text_.size()) break;
      if (text_[at_] == '"') {
        if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
          field += '"';
          doubled_quote = true;
          at_ += 2;
          continue;
        }
        ++at_;
        return at_ == text_.size() || text_[at_] == ',' || AtLineEnd();
      }
      if (AtLineEnd()) {
        field += '\n';
        SkipLineEnd();
        continue;
      }
      field += text_[at_++];
    }
    left_open_ = true;
    return false;
  }

  std::string_view text_;
  bool left_open_ = false;
  size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

bool ForEachRfc4180Record(std::string_view text, const std::function<bool(const CsvRecord&)>& take,
                          bool* left_open) {
  RecordScanner scanner(text);
  const bool read = scanner.Run(take);
  if (left_open) *left_open = scanner.left_open();
  return read;
}

std::optional<std::vector<CsvRecord>> SplitRfc4180Records(std::string_view text, bool* left_open) {
  std::vector<CsvRecord> records;
  const bool read = ForEachRfc4180Record(
      text,
      [&records](const CsvRecord& record) {
        records.push_back(record);
        return true;
      },
      left_open);
  if (!read) return std::nullopt;
  return records;
}
