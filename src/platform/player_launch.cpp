#include "platform/player_launch.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string FindMediaPlayer(const std::string& search_path) {
  for (const char* name : {"xdg-open", "mpv", "vlc", "ffplay"}) {
    size_t start = 0;
    while (start <= search_path.size()) {
      size_t end = search_path.find(':', start);
      if (end == std::string::npos) end = search_path.size();
      const std::string folder = search_path.substr(start, end - start);
      if (!folder.empty()) {
        const std::string candidate = folder + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
      }
      start = end + 1;
    }
  }
  return {};
}

std::string FindMediaPlayer() {
  const char* path = std::getenv("PATH");
  return FindMediaPlayer(path ? path : "");
}

bool LaunchPlayer(const std::string& player, const std::string& file, const std::string& working_folder) {
  // Everything the child needs is prepared before fork: after it only async-signal-safe calls are made.
  char* const argv[] = {const_cast<char*>(player.c_str()), const_cast<char*>(file.c_str()), nullptr};
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // The intermediate child starts the player and leaves at once, so the player is adopted by init
    // and never waits as a zombie for this program.
    setsid();
    const pid_t player_pid = fork();
    if (player_pid == 0) {
      if (!working_folder.empty() && chdir(working_folder.c_str()) != 0) _exit(127);
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(player_pid < 0 ? 1 : 0);
  }
  int status = 0;
  pid_t waited;
  do {
    waited = waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  return waited == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
