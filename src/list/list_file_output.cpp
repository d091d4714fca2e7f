#include "list/list_file_output.h"

#include "platform/cp932.h"
#include "platform/file_replacement.h"

ListFileOutput::ListFileOutput(ListTextSink& bytes, ListFileEncoding encoding)
    : bytes_(bytes), encoding_(encoding) {
  if (encoding == ListFileEncoding::kUtf8WithBom) bytes_.Put("\xEF\xBB\xBF");
}

void ListFileOutput::Put(std::string_view text) {
  for (size_t start = 0; start < text.size();) {
    const size_t line_end = text.find('\n', start);
    if (line_end == std::string_view::npos) {
      held_ += text.substr(start);
      break;
    }
    held_ += text.substr(start, line_end - start);
    held_ += "\r\n";
    start = line_end + 1;
  }
  if (held_.size() >= FileReplacement::kChunkBytes) PassOn(held_.rfind('\n') + 1);
}

void ListFileOutput::Finish() {
  PassOn(held_.size());
}

void ListFileOutput::PassOn(size_t size) {
  if (size == 0) return;
  const std::string_view piece = std::string_view(held_).substr(0, size);
  if (encoding_ == ListFileEncoding::kCp932) {
    bytes_.Put(piece);
  } else {
    bytes_.Put(Cp932ToUtf8(piece));
  }
  held_.erase(0, size);
}

void FileReplacementSink::Put(std::string_view bytes) {
  file_.Write(bytes);
}

bool FileReplacementSink::Failed() const {
  return file_.failed();
}
