#include "support/recording_player.h"

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

std::string WriteRecordingPlayer(const TempDir& dir, const std::string& name, const std::string& record_path,
                                 const std::string& fields) {
  const std::string script =
      dir.Write(name, "#!/bin/sh\nprintf '%s' \"" + fields + "\" > '" + record_path + ".tmp'; /bin/mv '" +
                          record_path + ".tmp' '" + record_path + "'\n");
  chmod(script.c_str(), 0755);
  return script;
}

std::string AwaitPlayerRecord(const std::string& record_path) {
  // The player runs on its own; the wait is generous so that a slow machine never fails the test.
  for (int i = 0; i < 1000 && !std::filesystem::exists(record_path); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ReadWholeFile(record_path);
}
