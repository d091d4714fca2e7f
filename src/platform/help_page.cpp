#include "platform/help_page.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

std::string HelpPagePath() {
  const std::filesystem::path candidates[] = {
      ExecutableFolder() / "../share/doc/tessaroll/help/index.html",
      std::filesystem::path(TESSAROLL_SOURCE_DIR) / "data/help/index.html",
  };
  for (const std::filesystem::path& candidate : candidates) {
    std::error_code error;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.lexically_normal().string();
  }
  return {};
}
