#pragma once
// Runs a program to completion and captures what it printed, for tests of the built binaries.
#include <string>
#include <vector>

struct ProgramResult {
  int exit_code = -1;  // -1 when the program could not be started or did not exit normally
  std::string out;     // standard output, bytes as printed
  std::string err;     // standard error
};

// Runs program (a path, or a name looked up on PATH) with the arguments (no shell, so arguments are
// passed exactly) and waits for it.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments);
