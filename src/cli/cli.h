#pragma once
// The batch command line: parses the arguments, does the work and returns the exit code.

enum CliExitCode : int {
  kExitDone = 0,
  kExitFailed = 1,  // a failure on the way; the rest of the work was done
  kExitUsage = 2,
};

int RunCli(int argc, char** argv);
