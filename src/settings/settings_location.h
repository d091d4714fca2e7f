#pragma once
// Where the settings file lives. File-system paths here are native bytes, not CP932 text.
#include <string>

#include "platform/known_folders.h"

// The dorirovo.ini beside the executable when one exists there (portable use); else the one in
// xdg_config_home/tessaroll when that is an absolute path; else home/.config/tessaroll/dorirovo.ini;
// with no home either, the one beside the executable.
std::string SettingsFileLocation(const std::string& executable_folder, const std::string& xdg_config_home,
                                 const std::string& home);
