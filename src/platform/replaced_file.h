#pragma once
// Where a file replaced as a whole is written: the file a symbolic link names, and the temporary file
// beside it that is renamed over it.
#include <string>

// The path with every symbolic link at its end followed, so that saving over a link writes its target
// and the link stays (at most 40 links; a dangling link gives the path it names).
std::string FollowLinks(const std::string& path);

// The mkstemp pattern of the temporary file for target: target + ".tmp-XXXXXX", the file name cut (at a
// UTF-8 character) so that the whole name stays within 255 bytes.
std::string TemporaryPattern(const std::string& target);

// Removes temporary files of target that an earlier write, killed part-way, left behind: regular files
// named by TemporaryPattern with any six characters for the Xs.
void RemoveLeftoverTemporaries(const std::string& target);
