#pragma once
// The user's own folders. File-system paths here are native bytes, not CP932 text.
#include <string>

// The user's home folder: $HOME, else the password database's entry, else "".
std::string HomeFolder();
