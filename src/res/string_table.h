#pragma once
// The program's string table (the toolbar tooltips 10 to 18).
#include <string>

// The string with that number as CP932 bytes; empty for a number not in the table.
std::string LoadResourceString(int id);
