#pragma once
// A stand-in media player for the launch tests: a shell script that records what it was given. The
// record is written aside and then moved into place, so it appears whole or not at all.
#include <string>

#include "support/temp_dir.h"

// Writes the executable script dir/name and returns its path. It records fields, the inside of a
// double-quoted shell word ("$#|$1" gives the argument count and the first argument), in record_path.
// It calls mv by its full path, so it runs whatever PATH holds.
std::string WriteRecordingPlayer(const TempDir& dir, const std::string& name, const std::string& record_path,
                                 const std::string& fields = "$#|$1");

// The record once the player has written it; empty when none came within ten seconds.
std::string AwaitPlayerRecord(const std::string& record_path);
