#pragma once
// Conversion between the program's CP932 texts and QString, at the edge to the widgets.
#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);
