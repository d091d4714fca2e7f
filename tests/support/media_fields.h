#pragma once
// The seven fields of the media info record in their order, for whole-record comparisons in tests.
#include <string>
#include <vector>

// video format, audio format, video rate, audio rate, frame rate, picture size, playing time.
std::vector<std::string> MediaInfoFields();
