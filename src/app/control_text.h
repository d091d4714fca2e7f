#pragma once
// Reading a control's text into the program's CP932 bytes, as a fixed-size text field would take it.
#include <QString>
#include <string>

// The text in CP932, at most max_bytes long; whole characters are dropped from the end until it fits,
// so a double-byte character is never split.
std::string ControlText(const QString& text, size_t max_bytes);
