// The batch command when a write into a user's file fails: exit code 1, the file named on standard
// error, the file byte for byte as before, and every other file still written.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "list/columns.h"
#include "probe/info_tag_file.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

TEST(WriteFaultCli, ListOutputThatCannotBeWritten) {
  TempDir dir;
  const std::string settings = dir.path() + "/no-settings.ini";
  const std::string tree = dir.path() + "/tree";
  dir.Write("tree/a.avi", AviFile({}));
  const std::string read_only = dir.Write("read-only.txt", "old list\r\n");
  ASSERT_EQ(chmod(read_only.c_str(), 0444), 0);
  const std::string folder = dir.path() + "/folder.csv";
  fs::create_directory(folder);
  const std::string fifo = dir.path() + "/fifo.txt";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const struct {
    const char* what;
    std::vector<std::string> options;
    std::string target;
  } cases[] = {
      {"read-only", {"-o", read_only}, read_only},
      {"read-only append", {"-o", read_only, "--append"}, read_only},
      {"vanished folder", {"-o", dir.path() + "/gone/list.htm"}, dir.path() + "/gone/list.htm"},
      {"name taken by a folder", {"-o", folder}, folder},
      // Reading the old rows of a FIFO would wait for ever; replacing it would lose it.
      {"FIFO append", {"-o", fifo, "--append"}, fifo},
      {"FIFO", {"-o", fifo}, fifo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto before = fs::status(c.target).type();
    const std::string old_bytes = fs::is_regular_file(c.target) ? ReadWholeFile(c.target) : "";
    std::vector<std::string> arguments = {"-q", "-s", settings};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.push_back(tree);
    ProgramResult result = Cli(arguments);
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find(c.target), std::string::npos) << result.err;
    EXPECT_EQ(fs::status(c.target).type(), before);
    if (fs::is_regular_file(c.target)) {
      EXPECT_EQ(ReadWholeFile(c.target), old_bytes);
    }
  }
  // No temporary file was left anywhere.
  size_t entries = 0;
  for (auto it = fs::recursive_directory_iterator(dir.path()); it != fs::end(it); ++it) ++entries;
  EXPECT_EQ(entries, 5u);  // tree, tree/a.avi, read-only.txt, folder.csv, fifo.txt
}

// A list written as it is made, chunk by chunk, that meets a file-size limit part-way: the old file stays
// byte for byte and no temporary file is left, whatever the format.
TEST(WriteFaultCli, FileSizeLimitPartWayThroughALargeList) {
  TempDir dir;
  std::string csv;
  for (int column_no = 0; column_no < kColumnCount; ++column_no) {
    csv += (column_no ? ",\"" : "\"") + ColumnTable(column_no).file_label + "\"";
  }
  csv += "\r\n";
  for (int row = 0; row < 5000; ++row) {
    csv += "\"clip" + std::to_string(row) +
           ".mp4\",\"1,234,567\",\"1.18MB\",\"1,206KB\",\"Holiday\",\"H.264\","
           "\"AAC\",\"2000kbit\",\"48.00kHz/128kbit\",\"29.97\",\"1920x1080\",\"12:34\",\"Travel\",\"Me\","
           "\"\",\"/home/user/Videos/2024/\",\"DATA\"\r\n";
  }
  const std::string list = dir.Write("in/list.csv", csv);
  const std::string settings = dir.path() + "/no-settings.ini";
  const std::string err = dir.path() + "/err";
  const size_t limit_bytes = 400 * 1024;  // past the first chunk of every format
  for (const char* name : {"old.txt", "old.csv", "old.htm", "append.txt"}) {
    SCOPED_TRACE(name);
    const std::string folder = dir.path() + "/out-" + name;
    const std::string target = dir.Write("out-" + std::string(name) + "/" + name, "old list\r\n");
    const bool append = std::string(name) == "append.txt";
    const pid_t child = fork();
    if (child == 0) {
      const rlimit limit{limit_bytes, limit_bytes};
      setrlimit(RLIMIT_FSIZE, &limit);
      const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      dup2(fd, STDERR_FILENO);
      execl(TESSAROLL_CLI_PATH, TESSAROLL_CLI_PATH, "-q", "-s", settings.c_str(), "-i", list.c_str(), "-o",
            target.c_str(), append ? "--append" : "-q", static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadWholeFile(err).find(target), std::string::npos) << ReadWholeFile(err);
    EXPECT_NE(ReadWholeFile(err).find("File too large"), std::string::npos) << ReadWholeFile(err);
    EXPECT_EQ(ReadWholeFile(target), "old list\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);  // no temporary
  }
}

// A list made earlier names three AVI files, whose tags have changed since; one has since been made
// read-only and one removed.
TEST(WriteFaultCli, WriteTagsGoesOnPastFilesThatRefuse) {
  TempDir dir;
  const std::string settings = dir.path() + "/no-settings.ini";
  const std::string read_only = dir.Write("tree/a.avi", AviFile({}));
  const std::string writable = dir.Write("tree/b.avi", AviFile({}));
  const std::string vanished = dir.Write("tree/c.avi", AviFile({}));
  const std::string list = dir.path() + "/list.csv";
  ASSERT_EQ(Cli({"-q", "-s", settings, "-o", list, dir.path() + "/tree"}).exit_code, 0);
  for (const std::string& path : {read_only, writable, vanished}) {
    ASSERT_EQ(WriteInfoTagsToFile(path, {std::string("since"), {}, {}}).outcome, InfoTagOutcome::kWritten);
  }
  const std::string avi = ReadWholeFile(read_only);
  ASSERT_EQ(chmod(read_only.c_str(), 0444), 0);
  fs::remove(vanished);

  ProgramResult result = Cli({"-q", "-s", settings, "-i", list, "--write-tags"});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("a.avi"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("c.avi"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("b.avi"), std::string::npos) << result.err;
  EXPECT_EQ(ReadWholeFile(read_only), avi);
  EXPECT_FALSE(fs::exists(vanished));
  EXPECT_EQ(ReadWholeFile(writable), AviFile({}));  // the list's empty tags took the new ones out
}

}  // namespace
