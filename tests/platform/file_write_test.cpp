#include "platform/file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

class FileWriteTest : public testing::Test {
 protected:
  void TearDown() override { ClearWriteFaultForTesting(); }
  // Only the target remains in the folder: no temporary file is left behind.
  void ExpectNoStrayFiles(size_t expected_entries) {
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, expected_entries);
  }
  TempDir dir;
};

TEST_F(FileWriteTest, ReplaceAndAppendWriteTheBytes) {
  std::string path = dir.path() + "/list.txt";
  EXPECT_TRUE(ReplaceFileContents(path, "one\r\n").ok);
  EXPECT_TRUE(AppendFileContents(path, "two\r\n").ok);
  EXPECT_EQ(ReadWholeFile(path), "one\r\ntwo\r\n");
  EXPECT_TRUE(ReplaceFileContents(path, "three").ok);
  EXPECT_EQ(ReadWholeFile(path), "three");
  EXPECT_TRUE(AppendFileContents(dir.path() + "/new.txt", "x").ok);
  EXPECT_EQ(ReadWholeFile(dir.path() + "/new.txt"), "x");
  ExpectNoStrayFiles(2);
}

TEST_F(FileWriteTest, FailuresPartWayLeaveTheOldBytes) {
  std::string path = dir.path() + "/list.csv";
  const std::string original(10000, 'a');
  dir.Write("list.csv", original);
  for (int error_number : {ENOSPC, EIO}) {
    SCOPED_TRACE(error_number);
    InjectWriteFaultForTesting(0, 100, error_number);
    WriteResult replaced = ReplaceFileContents(path, std::string(5000, 'b'));
    EXPECT_FALSE(replaced.ok);
    EXPECT_EQ(replaced.error_number, error_number);
    EXPECT_EQ(ReadWholeFile(path), original);

    InjectWriteFaultForTesting(1, 10, error_number);  // the old bytes go through, the new ones fail
    EXPECT_FALSE(AppendFileContents(path, std::string(5000, 'c')).ok);
    EXPECT_EQ(ReadWholeFile(path), original);
  }
  ExpectNoStrayFiles(1);
}

TEST_F(FileWriteTest, ReadOnlyFilesAndFoldersAreRefused) {
  std::string path = dir.Write("ro.txt", "keep");
  chmod(path.c_str(), 0444);
  EXPECT_FALSE(ReplaceFileContents(path, "new").ok);
  EXPECT_FALSE(AppendFileContents(path, "new").ok);
  EXPECT_FALSE(PatchFileInPlace(path, {{0, "N"}}, 4).ok);
  EXPECT_EQ(ReadWholeFile(path), "keep");
  EXPECT_FALSE(ReplaceFileContents(dir.path() + "/missing/list.txt", "x").ok);
}

TEST_F(FileWriteTest, PatchInPlaceWritesPatchesAndLength) {
  std::string path = dir.Write("a.avi", "RIFF....body-old-tail");
  EXPECT_TRUE(PatchFileInPlace(path, {{4, "SIZE"}, {9, "new-tail-longer"}}, 24).ok);
  EXPECT_EQ(ReadWholeFile(path), "RIFFSIZEbnew-tail-longer");
  EXPECT_TRUE(PatchFileInPlace(path, {{4, "size"}}, 8).ok);  // shrinking cuts the rest
  EXPECT_EQ(ReadWholeFile(path), "RIFFsize");
  EXPECT_FALSE(PatchFileInPlace(dir.path() + "/gone.avi", {{0, "x"}}, 1).ok);
}

TEST_F(FileWriteTest, PatchFailureRestoresEveryByteAndTheLength) {
  const std::string original = "RIFF1234" + std::string(3000, 'm') + "LIST-old-info";
  for (int failing_write : {0, 1}) {
    for (uint64_t new_length : {uint64_t{3008}, uint64_t{5000}}) {
      SCOPED_TRACE(testing::Message() << failing_write << " " << new_length);
      std::string path = dir.Write("b.avi", original);
      InjectWriteFaultForTesting(failing_write, 3, ENOSPC);
      std::string tail(new_length - 3008, 't');
      WriteResult result = PatchFileInPlace(path, {{4, "ABCD"}, {3008, tail}}, new_length);
      if (tail.empty() && failing_write == 1) {
        // An empty tail makes no write call: only the size patch is written, and it is the one that fails
        // when failing_write is 0. Here nothing fails.
        EXPECT_TRUE(result.ok);
        continue;
      }
      EXPECT_FALSE(result.ok);
      EXPECT_EQ(ReadWholeFile(path), original);
    }
  }
}

FileVersion VersionOfFile(const std::string& path) {
  FileVersion version;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  EXPECT_TRUE(fd >= 0 && FileVersionOf(fd, version));
  if (fd >= 0) close(fd);
  return version;
}

void SetModifiedTime(const std::string& path, time_t seconds) {
  const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// A patch prepared from one reading of a file must not land in another file or another state of it.
TEST_F(FileWriteTest, PatchLeavesAFileChangedSinceItWasReadAlone) {
  const std::string path = dir.Write("c.avi", "RIFF1234body");
  SetModifiedTime(path, 1000000000);
  const FileVersion read = VersionOfFile(path);

  // Replaced by another file with the same bytes and time.
  const std::string other = dir.Write("other.avi", "RIFF1234body");
  SetModifiedTime(other, 1000000000);
  ASSERT_EQ(rename(other.c_str(), path.c_str()), 0);
  WriteResult result = PatchFileInPlace(path, {{4, "SIZE"}}, 12, &read);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.changed_meanwhile);
  EXPECT_EQ(ReadWholeFile(path), "RIFF1234body");

  // The same file, rewritten to the same length at another time.
  const FileVersion replaced = VersionOfFile(path);
  dir.Write("c.avi", "RIFF5678body");
  SetModifiedTime(path, 1000000001);
  EXPECT_TRUE(PatchFileInPlace(path, {{4, "SIZE"}}, 12, &replaced).changed_meanwhile);
  EXPECT_EQ(ReadWholeFile(path), "RIFF5678body");

  // Unchanged since it was read: patched.
  const FileVersion current = VersionOfFile(path);
  result = PatchFileInPlace(path, {{4, "SIZE"}}, 12, &current);
  EXPECT_TRUE(result.ok);
  EXPECT_FALSE(result.changed_meanwhile);
  EXPECT_EQ(ReadWholeFile(path), "RIFFSIZEbody");
}

// A FIFO or device where a list goes is refused at once: never replaced by a file, never waited on.
TEST_F(FileWriteTest, SpecialFilesAreNeitherPatchedReplacedNorAppendedTo) {
  std::string fifo = dir.path() + "/x.avi";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_FALSE(PatchFileInPlace(fifo, {{0, "RIFF"}}, 4).ok);
  for (const std::string& path : {fifo, std::string("/dev/null")}) {
    EXPECT_EQ(ReplaceFileContents(path, "list").error_number, EINVAL);
    EXPECT_EQ(AppendFileContents(path, "list").error_number, EINVAL);
  }
  struct stat st {};
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// Saving over a link writes its target; names near the length limit still save; what a killed save
// left behind goes at the next save of that list.
TEST_F(FileWriteTest, LinksLongNamesAndLeftoversOfKilledSaves) {
  const std::string target = dir.Write("lists/real.csv", "old");
  const std::string link = dir.path() + "/link.csv";
  ASSERT_EQ(symlink("lists/real.csv", link.c_str()), 0);
  EXPECT_TRUE(ReplaceFileContents(link, "new").ok);
  EXPECT_TRUE(AppendFileContents(link, "+").ok);
  EXPECT_EQ(ReadWholeFile(target), "new+");
  struct stat st {};
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));

  const std::string long_name = dir.path() + "/" + std::string(240, 'n') + "\xe6\x98\xa0\xe7\x94\xbb.csv";
  EXPECT_TRUE(ReplaceFileContents(long_name, "long").ok);
  EXPECT_EQ(ReadWholeFile(long_name), "long");

  const std::string leftover = dir.Write("lists/real.csv.tmp-Ab12Cd", "half a list");
  const std::string other = dir.Write("lists/other.csv.tmp-Ab12Cd", "another list's");
  EXPECT_TRUE(ReplaceFileContents(target, "again").ok);
  EXPECT_FALSE(std::filesystem::exists(leftover));
  EXPECT_TRUE(std::filesystem::exists(other));
  ExpectNoStrayFiles(3);  // lists, link.csv and the long name
}

}  // namespace
