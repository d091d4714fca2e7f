#pragma once
// The window program's own options. Only the exact pieces "--help" and "--version" are options; every
// other piece is a path taken into the list (scan/path_intake.h), so a file named --help is reached as
// ./--help.
#include <string>
#include <vector>

enum class WindowCommandLineAction { kOpenWindow, kPrintUsage, kPrintVersion };

// The first of "--help" and "--version" among the pieces decides; without either the window opens.
WindowCommandLineAction ReadWindowCommandLine(const std::vector<std::string>& pieces);

// What --help prints: the synopsis and both options, one line each, ending in a newline.
std::string WindowUsageText();
// What --version prints: "tessaroll " and the version, then a newline.
std::string WindowVersionText();
