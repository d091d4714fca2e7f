#pragma once
// The words for a tag write that did not happen, as the window shows them.
#include <string>

#include "probe/info_tag_writer.h"

// Why the row's file was not written (IsTagWriteFailure), in Japanese (CP932).
std::string TagWriteReason(const InfoTagRowReport& report);
