#pragma once
// Where the program's help page is: installed beside the program's data, or in the source tree when the
// program runs from its build folder. Empty when neither exists.
#include <string>

std::string HelpPagePath();
