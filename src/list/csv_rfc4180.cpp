#include "list/csv_rfc4180.h"

namespace {

class RecordScanner {
 public:
  explicit RecordScanner(std::string_view text) : text_(text) {}

  std::optional<std::vector<CsvRecord>> Run() {
    std::vector<CsvRecord> records;
    while (at_ < text_.size()) {
      CsvRecord record;
      record.first_line = line_;
      if (!ReadRecord(record)) return std::nullopt;
      records.push_back(std::move(record));
    }
    return records;
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
    for (;;) {
      std::string field;
      if (at_ < text_.size() && text_[at_] == '"') {
        if (!ReadQuoted(field, record.doubled_quote)) return false;
      } else {
        while (at_ < text_.size() && text_[at_] != ',' && !AtLineEnd()) field += text_[at_++];
      }
      record.fields.push_back(std::move(field));
      if (at_ == text_.size()) return true;
      if (text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (!AtLineEnd()) return false;
      SkipLineEnd();
      return true;
    }
  }

  bool ReadQuoted(std::string& field, bool& doubled_quote) {
    ++at_;
    while (at_ < text_.size()) {
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
    return false;
  }

  std::string_view text_;
  size_t at_ = 0;
  int line_ = 1;
};

}  // namespace

std::optional<std::vector<CsvRecord>> SplitRfc4180Records(std::string_view text) {
  return RecordScanner(text).Run();
}
