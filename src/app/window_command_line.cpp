#include "app/window_command_line.h"

WindowCommandLineAction ReadWindowCommandLine(const std::vector<std::string>& pieces) {
  for (const std::string& piece : pieces) {
    if (piece == "--help") return WindowCommandLineAction::kPrintUsage;
    if (piece == "--version") return WindowCommandLineAction::kPrintVersion;
  }
  return WindowCommandLineAction::kOpenWindow;
}

std::string WindowUsageText() {
  return "Usage: tessaroll [PATH]...\n"
         "Opens the catalogue window and lists the movie and sound files of each PATH\n"
         "(folders are scanned, files are added as if dropped on the window).\n"
         "\n"
         "  --help     show this help and exit\n"
         "  --version  show the name and version and exit\n";
}

std::string WindowVersionText() {
  return std::string("tessaroll ") + TESSAROLL_VERSION + "\n";
}
