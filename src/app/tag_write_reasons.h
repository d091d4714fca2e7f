#pragma once
// The window's words for a tag write that did not happen.
#include <QString>

#include "probe/info_tag_writer.h"

// Whether the failure box names the row's file: files that cannot take tags by their kind (missing, not
// an .avi name, not a RIFF AVI file) are skipped quietly and keep their check mark; every other file that
// was not written is named.
bool NamedWhenNotWritten(InfoTagOutcome outcome);

// Why the row's file was not written, in Japanese.
QString TagWriteReason(const InfoTagRowReport& report);
