#include "platform/dir_listing.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

std::vector<std::string> Names(const std::vector<DirEntry>& entries) {
  std::vector<std::string> names;
  for (const DirEntry& entry : entries) names.push_back(entry.name);
  return names;
}

TEST(ListFolder, NamesSortIgnoringAsciiCaseThenByBytes) {
  TempDir dir;
  for (const char* name : {"b.avi", "B.avi", "a.AVI", "A.avi", "_x", "Z", "\xe5\x8b\x95.avi", "10", "9"}) {
    dir.Write(name, "");
  }
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(dir.path(), entries));
  // Letters compare as upper case, so "_" (0x5F) follows "Z"; equal folded names go by their bytes.
  EXPECT_EQ(Names(entries), (std::vector<std::string>{"10", "9", "A.avi", "a.AVI", "B.avi", "b.avi", "Z",
                                                      "_x", "\xe5\x8b\x95.avi"}));
  EXPECT_LT(CompareListingNames("a", "B"), 0);
  EXPECT_GT(CompareListingNames("b", "A"), 0);
  EXPECT_EQ(CompareListingNames("same", "same"), 0);
  EXPECT_LT(CompareListingNames("ab", "ABC"), 0);
}

TEST(FileAttributes, FoldersFilesHiddenAndLinks) {
  TempDir dir;
  const std::string& top = dir.path();
  std::filesystem::create_directories(top + "/plain");
  std::filesystem::create_directories(top + "/.hidden");
  std::filesystem::create_directories(top + "/clips.avi");
  dir.Write("a.avi", "x");
  dir.Write(".b.avi", "x");
  std::filesystem::create_directory_symlink(top + "/plain", top + "/dirlink");
  std::filesystem::create_symlink(top + "/a.avi", top + "/filelink.avi");
  std::filesystem::create_symlink(top + "/gone", top + "/dangling.avi");
  mkfifo((top + "/pipe.avi").c_str(), 0600);

  struct Row {
    const char* name;
    uint32_t attributes;
  };
  const Row rows[] = {
      {"plain", 0x10},         {".hidden", 0x12},       {"clips.avi", 0x10},
      {"a.avi", 0x20},         {".b.avi", 0x22},        {"dirlink", 0x410},
      {"filelink.avi", 0x420}, {"dangling.avi", 0x400}, {"pipe.avi", 0x20},
  };
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(top, entries));
  ASSERT_EQ(entries.size(), std::size(rows));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FileAttributes(top + "/" + row.name), row.attributes);
    auto listed =
        std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) { return e.name == row.name; });
    ASSERT_NE(listed, entries.end());
    EXPECT_EQ(listed->attributes, row.attributes);
  }
  EXPECT_EQ(FileAttributes(top + "/plain/"), 0x10u);
  EXPECT_EQ(FileAttributes(top + "/missing"), kAttrInvalid);
  EXPECT_EQ(FileAttributes(""), kAttrInvalid);
}

TEST(ListFolder, FailsOnWhatCannotBeListed) {
  TempDir dir;
  const std::string file = dir.Write("a.avi", "x");
  std::vector<DirEntry> entries = {{"stale", 0}};
  EXPECT_FALSE(ListFolder(file, entries));
  EXPECT_TRUE(entries.empty());
  EXPECT_FALSE(ListFolder(dir.path() + "/missing", entries));
  EXPECT_TRUE(ListFolder(dir.path(), entries));
}

TEST(JoinPath, OneSeparatorEvenAtTheRoot) {
  EXPECT_EQ(JoinPath("/", "a.avi"), "/a.avi");
  EXPECT_EQ(JoinPath("", "a.avi"), "/a.avi");
  EXPECT_EQ(JoinPath("/m", "a.avi"), "/m/a.avi");
  EXPECT_EQ(JoinPath("/m/", "a.avi"), "/m/a.avi");
}

}  // namespace
