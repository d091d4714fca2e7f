#pragma once
// The standard tree of the catalogue benchmark: 10,000 small real media files made by ffmpeg in 100
// folders (39 % AVI, 19 % WAVE, 17 % MPEG-1, 9 % QuickTime, 9 % RealMedia, 7 % ASF), with text files,
// pictures and decoys among them (a folder named clips.avi, an x.avi that is text, hidden folders).
#include <string>

constexpr int kStandardTreeFolders = 100;
constexpr int kStandardTreeMediaFiles = 10000;

// The tree below cache_dir, built there first unless a complete one of the same recipe is present.
// Returns its root; ends the program with a message when ffmpeg fails.
std::string EnsureStandardTree(const std::string& cache_dir);
