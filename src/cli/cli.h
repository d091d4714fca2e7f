#pragma once
// The batch command line: parses the arguments, does the work and returns the exit code
// (0 success, 1 a failure on the way, 2 a usage error).
int RunCli(int argc, char** argv);
