#pragma once
// Folders the program finds by itself. File-system paths here are native bytes, not CP932 text.
#include <string>

// The folder holding the running executable, "" when the system cannot tell.
std::string ExecutableFolder();

// The user's home folder: $HOME, else the password database's entry, else "".
std::string HomeFolder();
