#include "cli/cli.h"

#include <cstdio>
#include <cstring>

namespace {

void PrintUsage(FILE* out) {
  std::fputs(
      "Usage: tessaroll-cli [OPTION]... [PATH]...\n"
      "  --help       show this help and exit\n"
      "  --version    show the version and exit\n",
      out);
}

}  // namespace

int RunCli(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      PrintUsage(stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("tessaroll-cli %s\n", TESSAROLL_VERSION);
      return 0;
    }
  }
  std::fprintf(stderr, "tessaroll-cli: nothing to do (try --help)\n");
  return 2;
}
