#pragma once
// A CSV list file made while the list is still being filled: each row is formatted as it is added at the
// end of the list, so that saving after the last one has only to write the text out. The command line
// catalogues this way; formatting then costs no time of its own, since it runs while the files are read.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "list/csv_round_trip.h"
#include "list/list_file_output.h"
#include "list/list_file_table.h"
#include "list/list_file_writer.h"
#include "list/list_text_sink.h"

// Follows the list through its events (list/list_model.h), in the place of any other observer, while it
// lives.
class CsvListAhead {
 public:
  // The text made ahead is given up past this size (about 100,000 rows), so memory stays bounded.
  static constexpr size_t kMostBytes = 16 << 20;

  // For the list's shown columns of now. A list that already has rows is written as it stands.
  explicit CsvListAhead(ListFileEncoding encoding);
  ~CsvListAhead();
  CsvListAhead(const CsvListAhead&) = delete;
  CsvListAhead& operator=(const CsvListAhead&) = delete;

  // Whether the text made ahead stands for every row of the list as it is now.
  bool MadeAhead() const;

  // Writes the list as WriteListFile writes a CSV file, byte for byte and with the same result; from the
  // text made ahead when it still stands for every row, else made anew.
  ListFileResult Write(const std::string& path, bool append);

 private:
  // A row added anywhere but right after the rows formatted gives up the text, as any other change does.
  void RowAdded(int row);
  void GiveUp();

  // The text as the output passes it on, in its pieces of a few hundred kilobytes: one string grown to
  // the whole would be copied, and its memory touched anew, each time it doubled.
  class Pieces : public ListTextSink {
   public:
    void Put(std::string_view text) override {
      pieces_.emplace_back(text);
      size_ += text.size();
    }
    size_t size() const { return size_; }
    const std::vector<std::string>& pieces() const { return pieces_; }
    void Clear() { *this = Pieces(); }

   private:
    std::vector<std::string> pieces_;
    size_t size_ = 0;
  };

  ListFileEncoding encoding_;
  ListFileColumns columns_;
  ListFileRows list_rows_;  // reads any row by the columns of now (its count is not kept up)
  Pieces text_;
  ListFileOutput output_;
  CsvReadBackCheck check_;
  std::vector<std::string_view> cells_;
  std::string line_;
  int rows_ = 0;
  bool given_up_ = false;
};
