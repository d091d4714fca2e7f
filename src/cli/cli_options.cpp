#include "cli/cli_options.h"

#include <cstring>
#include <string_view>

#include "list/list_file_kind.h"

namespace {

struct Flag {
  const char* name;
  bool CliOptions::*field;
};

constexpr Flag kFlags[] = {
    {"--help", &CliOptions::help},       {"-h", &CliOptions::help},
    {"--version", &CliOptions::version}, {"-V", &CliOptions::version},
    {"--probe", &CliOptions::probe},     {"--check", &CliOptions::check},
    {"--utf8", &CliOptions::utf8},       {"--append", &CliOptions::append},
    {"--status", &CliOptions::status},   {"--quiet", &CliOptions::quiet},
    {"-q", &CliOptions::quiet},          {"--write-tags", &CliOptions::write_tags},
    {"--dry-run", &CliOptions::dry_run}, {"--keep-mtime", &CliOptions::keep_mtime},
    {"--bom", &CliOptions::bom},
};

enum class ValueOption { kNone, kSettings, kImport, kOutput, kJobs };

struct Valued {
  const char* short_name;
  const char* long_name;
  ValueOption option;
};

constexpr Valued kValued[] = {
    {"-s", "--settings", ValueOption::kSettings},
    {"-i", "--import", ValueOption::kImport},
    {"-o", "--output", ValueOption::kOutput},
    {"-j", "--jobs", ValueOption::kJobs},
};

constexpr int kMostReaderThreads = 256;

// A reader count from 1 to kMostReaderThreads in decimal digits only; 0 for anything else.
int ParseReaderThreads(const std::string& value) {
  if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string::npos)
    return 0;
  const int threads = std::stoi(value);
  return threads <= kMostReaderThreads ? threads : 0;
}

bool SetFlag(const char* argument, CliOptions& options) {
  for (const Flag& flag : kFlags) {
    if (std::strcmp(argument, flag.name) == 0) {
      options.*flag.field = true;
      return true;
    }
  }
  return false;
}

bool SetValue(ValueOption option, const std::string& value, CliOptions& options, std::string& error) {
  switch (option) {
    case ValueOption::kSettings:
      options.settings_given = true;
      options.settings_file = value;
      break;
    case ValueOption::kImport:
      options.imports.push_back(value);
      break;
    case ValueOption::kOutput:
      options.output = value;
      break;
    case ValueOption::kJobs:
      options.reader_threads = ParseReaderThreads(value);
      if (options.reader_threads == 0) {
        error = "-j needs a number of files to read at once, from 1 to " + std::to_string(kMostReaderThreads);
        return false;
      }
      break;
    case ValueOption::kNone:
      break;
  }
  return true;
}

// The option of an argument that takes a value; inline_value is set for "--long=value".
ValueOption FindValued(std::string_view argument, std::string& inline_value, bool& has_inline) {
  has_inline = false;
  for (const Valued& valued : kValued) {
    if (argument == valued.short_name || argument == valued.long_name) return valued.option;
    std::string_view long_name = valued.long_name;
    if (argument.size() > long_name.size() && argument.substr(0, long_name.size()) == long_name &&
        argument[long_name.size()] == '=') {
      inline_value = std::string(argument.substr(long_name.size() + 1));
      has_inline = true;
      return valued.option;
    }
  }
  return ValueOption::kNone;
}

bool IsCsvName(std::string_view name) {
  return ListFileKindOfName(name) == kListFileCsv;
}

bool Check(const CliOptions& options, std::string& error) {
  if (options.bom && (!options.utf8 || options.append || options.probe || options.write_tags)) {
    error = "--bom marks a UTF-8 list: it needs --utf8 and takes no --append, --probe or --write-tags";
    return false;
  }
  if (options.write_tags && (options.probe || !options.output.empty() || options.append || options.status)) {
    error =
        "--write-tags writes tags into AVI files, not a list: it takes no --probe, -o, --append or --status";
    return false;
  }
  if ((options.dry_run || options.keep_mtime) && !options.write_tags) {
    error = std::string(options.dry_run ? "--dry-run" : "--keep-mtime") + " needs --write-tags";
    return false;
  }
  if (options.probe) {
    if (options.paths.empty()) error = "--probe needs at least one FILE";
    if (!options.imports.empty() || !options.output.empty() || options.append || options.status) {
      error = "--probe prints media info, not a list: it takes no -i, -o, --append or --status";
    }
    return error.empty();
  }
  if (options.check) {
    error = "--check needs --probe";
  } else if (!options.output.empty() && ListFileKindOfName(options.output) == kListFileRefused) {
    error = "cannot save as '" + options.output + "': the name must end in TXT, CSV, HTM or .html";
  } else if (options.append && ListFileKindOfName(options.output) != kListFileTxt) {
    error = "--append needs -o with a TXT file";
  } else {
    for (const std::string& import : options.imports) {
      if (!IsCsvName(import)) error = "cannot import '" + import + "': only CSV list files can be loaded";
    }
  }
  if (error.empty() && !options.help && !options.version && options.paths.empty() &&
      options.imports.empty()) {
    error = "nothing to do: name a PATH or -i FILE (try --help)";
  }
  return error.empty();
}

}  // namespace

bool ParseCliOptions(int argc, char** argv, CliOptions& options, std::string& error) {
  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    std::string inline_value;
    bool has_inline = false;
    if (options_ended || argument[0] != '-' || argument[1] == '\0') {
      options.paths.emplace_back(argument);
    } else if (std::strcmp(argument, "--") == 0) {
      options_ended = true;
    } else if (ValueOption valued = FindValued(argument, inline_value, has_inline);
               valued != ValueOption::kNone) {
      if (!has_inline) {
        if (i + 1 == argc) {
          error = std::string("option '") + argument +
                  (valued == ValueOption::kJobs ? "' needs a NUMBER" : "' needs a FILE");
          return false;
        }
        inline_value = argv[++i];
      }
      if (!SetValue(valued, inline_value, options, error)) return false;
    } else if (!SetFlag(argument, options)) {
      error = std::string("unknown option '") + argument + "' (try --help)";
      return false;
    }
  }
  return Check(options, error);
}
