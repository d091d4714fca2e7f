#include "cli/cli_options.h"

#include <cstring>

namespace {

struct Flag {
  const char* name;
  bool CliOptions::*field;
};

constexpr Flag kFlags[] = {
    {"--help", &CliOptions::help}, {"-h", &CliOptions::help},       {"--version", &CliOptions::version},
    {"-V", &CliOptions::version},  {"--probe", &CliOptions::probe}, {"--check", &CliOptions::check},
    {"--utf8", &CliOptions::utf8},
};

bool SetFlag(const char* argument, CliOptions& options) {
  for (const Flag& flag : kFlags) {
    if (std::strcmp(argument, flag.name) == 0) {
      options.*flag.field = true;
      return true;
    }
  }
  return false;
}

}  // namespace

bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error) {
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (options_ended || argument[0] != '-' || argument[1] == '\0') {
      options.paths.emplace_back(argument);
    } else if (std::strcmp(argument, "--") == 0) {
      options_ended = true;
    } else if (!SetFlag(argument, options)) {
      error = std::string("unknown option '") + argument + "' (try --help)";
      return false;
    }
  }
  if (options.check && !options.probe) {
    error = "--check needs --probe";
    return false;
  }
  if (options.probe && options.paths.empty()) {
    error = "--probe needs at least one FILE";
    return false;
  }
  return true;
}
