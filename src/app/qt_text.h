#pragma once
// Conversion between the program's CP932 texts and QString, at the edge to the widgets.
#include <QString>
#include <string>
#include <string_view>

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& text);

// Each character of the text that CP932 cannot hold, once, in order of appearance, separated by spaces;
// empty when the whole text can be stored.
QString CharactersCp932Lacks(const QString& text);
