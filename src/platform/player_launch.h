#pragma once
// The system's media player: found on the search path and started detached on one file.
#include <string>

// The full path of the first of xdg-open, mpv, vlc and ffplay that is an executable file in one of the
// folders of search_path (colon-separated, as PATH); empty when none is.
std::string FindMediaPlayer(const std::string& search_path);
// The same over the process's PATH.
std::string FindMediaPlayer();

// Starts the player with the file's path as its one argument (no shell, so spaces and quotes stay
// part of the path), in the given working folder, detached from this process. Returns false when the
// process could not be started; whether the player then plays is not known.
bool LaunchPlayer(const std::string& player, const std::string& file, const std::string& working_folder);
