#include "cli/cli_text.h"

#include "platform/cp932.h"

std::string TerminalText(const std::string& cp932, bool utf8) {
  return utf8 ? Cp932ToUtf8(cp932) : cp932;
}

std::string TerminalPath(const std::string& path, bool utf8) {
  return utf8 ? path : Utf8ToCp932(path);
}
