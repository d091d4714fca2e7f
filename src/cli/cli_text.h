#pragma once
// Text on the terminal: CP932 by default, UTF-8 with --utf8.
#include <string>

// A CP932 text of the program as the terminal gets it.
std::string TerminalText(const std::string& cp932, bool utf8);

// A path as given on the command line (file-system bytes, UTF-8) as the terminal gets it.
std::string TerminalPath(const std::string& path, bool utf8);
