// Every write of the program into a user's file, against every way a write can fail: the list files
// (TXT, CSV, HTML, TXT append) and the AVI tag write, with a write that fails part-way, a full disk, a
// file made read-only, and a file (or its folder) that vanished or was replaced by something else since
// the list was made. In every cell the target is byte for byte as before, the failure is reported, no
// temporary file is left behind, and the next write works.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_file_writer.h"
#include "list/list_model.h"
#include "platform/file_write.h"
#include "probe/avi_tail.h"
#include "probe/info_tag_writer.h"
#include "support/riff_builder.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

enum class Target { kTxt, kCsv, kHtml, kTxtAppend, kTags };
enum class Fault { kPartWay, kDiskFull, kReadOnly, kVanished, kReplaced };

const char* Name(Target target) {
  const char* names[] = {"TXT", "CSV", "HTML", "TXT append", "tags"};
  return names[static_cast<int>(target)];
}
const char* Name(Fault fault) {
  const char* names[] = {"write fails part-way", "disk full", "read-only", "vanished", "replaced"};
  return names[static_cast<int>(fault)];
}

// The folder's entries and the bytes of each regular file, to tell that nothing changed or was left.
std::vector<std::pair<std::string, std::string>> Snapshot(const std::string& folder) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    entries.emplace_back(entry.path().string(), entry.is_regular_file() ? ReadWholeFile(entry.path()) : "/");
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A checked row for an AVI file in the folder, with the texts to write.
void AddAviRow(const TempDir& dir, const std::string& name) {
  const int row = ListRowCount();
  const std::string path = dir.Write("movies/" + name, AviFile({}));
  ListInsertRow(row, row, name);
  ListSetCell(row, ColumnPosition(kColSizeBytes), "348");
  ListSetCell(row, ColumnPosition(kColTitle), "<title of " + name + ">");
  ListSetCell(row, ColumnPosition(kColCreator), "creator");
  ListSetCell(row, ColumnPosition(kColComment), "comment, with a comma");
  ListSetCell(row, ColumnPosition(kColFolder), dir.path() + "/movies");
  ListSetRowPath(row, path);
  ListSetChecked(row, true);
}

// The file the cell writes to: an existing list file, or the first of the two AVI files.
std::string TargetPath(const TempDir& dir, Target target) {
  switch (target) {
    case Target::kTxt:
    case Target::kTxtAppend:
      return dir.path() + "/lists/list.txt";
    case Target::kCsv:
      return dir.path() + "/lists/list.csv";
    case Target::kHtml:
      return dir.path() + "/lists/list.htm";
    case Target::kTags:
      return dir.path() + "/movies/a.avi";
  }
  return {};
}

void ApplyFault(Fault fault, Target target, const std::string& path) {
  switch (fault) {
    case Fault::kPartWay:
      // Appends and tag writes make two writes (the old bytes or the RIFF size first): fail the second.
      InjectWriteFaultForTesting(target == Target::kTxtAppend || target == Target::kTags ? 1 : 0, 7, EIO);
      break;
    case Fault::kDiskFull:
      InjectWriteFaultForTesting(0, 0, ENOSPC);
      break;
    case Fault::kReadOnly:
      ASSERT_EQ(chmod(path.c_str(), 0444), 0);
      break;
    case Fault::kVanished:
      // A list file's folder is gone, so is an AVI file.
      fs::remove_all(target == Target::kTags ? fs::path(path) : fs::path(path).parent_path());
      break;
    case Fault::kReplaced:
      // A list file's name now names a folder; the AVI file is now a WAVE file.
      fs::remove(path);
      if (target == Target::kTags) {
        WriteFile(path, WaveFile({}, 4));
      } else {
        fs::create_directory(path);
        WriteFile(path + "/inside", "kept");
      }
      break;
  }
}

TEST(WriteFaultMatrix, NothingIsLostAndEveryFailureIsReported) {
  for (Target target : {Target::kTxt, Target::kCsv, Target::kHtml, Target::kTxtAppend, Target::kTags}) {
    for (Fault fault :
         {Fault::kPartWay, Fault::kDiskFull, Fault::kReadOnly, Fault::kVanished, Fault::kReplaced}) {
      SCOPED_TRACE(std::string(Name(target)) + " / " + Name(fault));
      ShowOnlyColumns({kColSizeBytes, kColTitle, kColCreator, kColComment, kColFolder});
      TempDir dir;
      AddAviRow(dir, "a.avi");
      AddAviRow(dir, "b.avi");
      const std::string path = TargetPath(dir, target);
      if (target != Target::kTags) dir.Write("lists/" + fs::path(path).filename().string(), "old list\r\n");
      ApplyFault(fault, target, path);
      const auto before = Snapshot(dir.path());

      if (target == Target::kTags) {
        const std::vector<InfoTagRowReport> reports = WriteInfoTags();
        ClearWriteFaultForTesting();
        ASSERT_EQ(reports.size(), 2u);
        EXPECT_NE(reports[0].outcome, InfoTagOutcome::kWritten);
        EXPECT_TRUE(ListIsChecked(0));
        // The walk goes on: the second file takes its tags.
        EXPECT_EQ(reports[1].outcome, InfoTagOutcome::kWritten);
        EXPECT_FALSE(ListIsChecked(1));
        EXPECT_EQ(LocateAviTail(reports[1].path).info_list.tags.title, "<title of b.avi>");
        auto after = Snapshot(dir.path());
        std::erase_if(after, [&](const auto& entry) { return entry.first == reports[1].path; });
        auto expected = before;
        std::erase_if(expected, [&](const auto& entry) { return entry.first == reports[1].path; });
        EXPECT_EQ(after, expected);
      } else {
        const ListFileKind kind = target == Target::kCsv    ? kListFileCsv
                                  : target == Target::kHtml ? kListFileHtml
                                                            : kListFileTxt;
        const ListFileResult result = WriteListFile(path, kind, target == Target::kTxtAppend);
        ClearWriteFaultForTesting();
        EXPECT_FALSE(result.ok);
        EXPECT_NE(result.error_number, 0);
        EXPECT_FALSE(result.what.empty());
        EXPECT_EQ(result.path, path);
        if (fault == Fault::kDiskFull) {
          EXPECT_EQ(result.error_number, ENOSPC);
        }
        EXPECT_EQ(Snapshot(dir.path()), before);
        // The program goes on: the same list saves under another name.
        const std::string other = dir.path() + "/other" + fs::path(path).extension().string();
        EXPECT_TRUE(WriteListFile(other, kind, target == Target::kTxtAppend).ok);
        EXPECT_NE(ReadWholeFile(other).find("title of a.avi"), std::string::npos);
      }
      ListResetForTesting();
    }
  }
}

}  // namespace
