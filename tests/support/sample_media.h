#pragma once
// The synthetic media files of samples/: one or more of every kind the program reads, headers only,
// a few KB each. samples/make_samples writes them; a test checks the committed copies against them.
#include <string>
#include <vector>

struct SampleFile {
  std::string relative_path;  // below samples/, UTF-8
  std::string bytes;
};

std::vector<SampleFile> SampleMediaFiles();
