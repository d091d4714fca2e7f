#pragma once
// The floor of cataloguing a tree: the reads no catalogue can do without. Walk the tree (readdir), and
// open each file the catalogue lists, read its first 4 KB (every header) and its last 1 KB (the tags),
// close it.
#include <string>
#include <vector>

// The files of the tree whose names end in AVI, WAV, MPG, .RM, ASF or MOV (any case), hidden folders
// left out, as the catalogue takes them in by default.
std::vector<std::string> ListMediaFiles(const std::string& root);

// Both return how many files were read whole (both ends).
size_t ReadFloorSequential(const std::string& root);
// The walk as above, then the reads shared among the threads.
size_t ReadFloorParallel(const std::string& root, int threads);
