#include "platform/help_page.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/known_folders.h"

std::string HelpPagePath() {
  const std::filesystem::path candidates[] = {
      std::filesystem::path(ExecutableFolder()) / "../share/doc/tessaroll/help/index.html",
      std::filesystem::path(TESSAROLL_SOURCE_DIR) / "data/help/index.html",
  };
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  }
  return {};
}
