#pragma once
// The window's words for a tag write that did not happen.
#include <QString>

#include "probe/info_tag_writer.h"

// Why the row (IsTagWriteFailure)'s file was not written, in Japanese.
QString TagWriteReason(const InfoTagRowReport& report);
