#include "settings/settings_location.h"

#include <filesystem>

namespace {

constexpr char kSettingsFileName[] = "dorirovo.ini";

}  // namespace

std::string SettingsFileLocation(const std::string& executable_folder, const std::string& xdg_config_home,
                                 const std::string& home) {
  namespace fs = std::filesystem;
  const fs::path beside_program = fs::path(executable_folder) / kSettingsFileName;
  std::error_code error;
  if (!executable_folder.empty() && fs::is_regular_file(beside_program, error))
    return beside_program.string();
  // XDG base directory rules ignore a relative XDG_CONFIG_HOME.
  if (!xdg_config_home.empty() && xdg_config_home[0] == '/') {
    return (fs::path(xdg_config_home) / "tessaroll" / kSettingsFileName).string();
  }
  if (!home.empty()) return (fs::path(home) / ".config" / "tessaroll" / kSettingsFileName).string();
  return beside_program.string();
}
