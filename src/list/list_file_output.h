#pragma once
// The text of a list file on its way out: "\n" becomes CR LF, as a text-mode stream writes it (line
// ends inside cells included), and CP932 stays as it is or becomes UTF-8.
#include <string>
#include <string_view>

#include "list/list_text_sink.h"

class FileReplacement;

enum class ListFileEncoding {
  kCp932,        // the program's own bytes
  kUtf8WithBom,  // converted to UTF-8 after a byte order mark, for spreadsheet programs
  kUtf8,         // converted to UTF-8, for a terminal
};

// Takes the writers' text and passes the bytes on to another sink in pieces of about a file chunk, each
// ending at a line end (so no character is cut in two).
class ListFileOutput : public ListTextSink {
 public:
  ListFileOutput(ListTextSink& bytes, ListFileEncoding encoding);
  void Put(std::string_view text) override;
  bool Failed() const override { return bytes_.Failed(); }
  // Passes on what is still held; after the last text.
  void Finish();

 private:
  void PassOn(size_t size);

  ListTextSink& bytes_;
  ListFileEncoding encoding_;
  std::string held_;  // CP932 with CR LF line ends
};

// The bytes into a file being replaced.
class FileReplacementSink : public ListTextSink {
 public:
  explicit FileReplacementSink(FileReplacement& file) : file_(file) {}
  void Put(std::string_view bytes) override;
  bool Failed() const override;

 private:
  FileReplacement& file_;
};
