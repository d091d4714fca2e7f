#pragma once
// Where the list file writers put their text as they make it, a line or a row at a time, so that a list
// of any length is never held whole.
#include <string>
#include <string_view>

class ListTextSink {
 public:
  virtual ~ListTextSink() = default;
  virtual void Put(std::string_view text) = 0;
  // True once the text can no longer arrive (the file write failed): the writers stop early.
  virtual bool Failed() const { return false; }
};

// The whole text in memory, for callers that need it as one string.
class StringTextSink : public ListTextSink {
 public:
  void Put(std::string_view text) override { text_ += text; }
  std::string& text() { return text_; }

 private:
  std::string text_;
};
