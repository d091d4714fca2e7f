#pragma once
// The FFmpeg libraries' warnings about damaged or odd files would reach the terminal; nothing they say
// about a file is reported to the user, so they are held back while one file is read.

class QuietLibraryLog {
 public:
  QuietLibraryLog();
  ~QuietLibraryLog();
  QuietLibraryLog(const QuietLibraryLog&) = delete;
  QuietLibraryLog& operator=(const QuietLibraryLog&) = delete;

 private:
  int saved_level_;
};
