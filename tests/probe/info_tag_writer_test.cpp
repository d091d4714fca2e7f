#include "probe/info_tag_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "support/riff_builder.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

using namespace std::string_literals;

const std::string kAvi = AviFile({});
const std::string kWave = WaveFile({}, 4);
const std::string kMpeg = "\0\0\x01\xba"s + std::string(60, '\0');

std::string Tagged(const InfoTags& tags) {
  std::string bytes = kAvi + RenderInfoList(tags);
  bytes.replace(4, 4, Le32(static_cast<uint32_t>(bytes.size() - 8)));
  return bytes;
}

class InfoTagWriterTest : public testing::Test {
 protected:
  void SetUp() override { ShowOnlyColumns({kColTitle, kColCreator, kColComment, kColFolder}); }
  void TearDown() override { ListResetForTesting(); }
  // A checked row for name in the test folder; real_path says whether the row keeps its path.
  int AddRow(const std::string& utf8_name, const InfoTags& tags, bool real_path = true) {
    const int row = ListRowCount();
    ListInsertRow(row, row, Utf8ToCp932(utf8_name));
    if (ColumnPosition(kColTitle) >= 0) ListSetCell(row, ColumnPosition(kColTitle), tags.title);
    if (ColumnPosition(kColCreator) >= 0) ListSetCell(row, ColumnPosition(kColCreator), tags.creator);
    if (ColumnPosition(kColComment) >= 0) ListSetCell(row, ColumnPosition(kColComment), tags.comment);
    ListSetCell(row, ColumnPosition(kColFolder), Utf8ToCp932(dir.path()));
    if (real_path) ListSetRowPath(row, dir.path() + "/" + utf8_name);
    ListSetChecked(row, true);
    return row;
  }
  TempDir dir;
};

TEST_F(InfoTagWriterTest, WalkWritesCheckedAviRowsAndSkipsTheRestChecked) {
  const InfoTags tags{"title", "creator", "comment"};
  const struct {
    std::string name;
    std::string bytes;
    bool checked;
    InfoTagOutcome outcome;
  } rows[] = {
      {"movie.avi", kAvi, true, InfoTagOutcome::kWritten},
      {"unchecked.avi", kAvi, false, InfoTagOutcome::kWritten},
      {"sound.wav", kWave, true, InfoTagOutcome::kNotAviName},
      {"clip.mpg", kMpeg, true, InfoTagOutcome::kNotAviName},
      // Not a RIFF AVI despite its name: skipped, and the rows after it are still written.
      {"mpeg-named.avi", kMpeg, true, InfoTagOutcome::kNotRiffAvi},
      {"wave-named.avi", kWave, true, InfoTagOutcome::kNotRiffAvi},
      {"vanished.avi", kAvi, true, InfoTagOutcome::kMissingFile},
      {"no-index.avi", RiffForm("AVI ", ListChunk("movi", "")), true, InfoTagOutcome::kNoIndex},
      {"read-only.avi", kAvi, true, InfoTagOutcome::kWriteRefused},
      {"LAST.AVI", kAvi, true, InfoTagOutcome::kWritten},
  };
  for (const auto& r : rows) {
    dir.Write(r.name, r.bytes);
    const int row = AddRow(r.name, tags);
    ListSetChecked(row, r.checked);
  }
  // Between the scan and the write the file goes away, and another is made read-only.
  std::remove((dir.path() + "/vanished.avi").c_str());
  chmod((dir.path() + "/read-only.avi").c_str(), 0444);

  const std::vector<InfoTagRowReport> reports = WriteInfoTags();
  ASSERT_EQ(reports.size(), std::size(rows) - 1);
  size_t report = 0;
  for (int row = 0; row < static_cast<int>(std::size(rows)); ++row) {
    SCOPED_TRACE(rows[row].name);
    const std::string path = dir.path() + "/" + rows[row].name;
    const bool written = rows[row].checked && rows[row].outcome == InfoTagOutcome::kWritten;
    if (rows[row].checked) {
      EXPECT_EQ(reports[report].row, row);
      EXPECT_EQ(reports[report].path, path);
      EXPECT_EQ(reports[report].outcome, rows[row].outcome);
      ++report;
    }
    EXPECT_EQ(ListIsChecked(row), rows[row].checked && !written);
    if (rows[row].outcome != InfoTagOutcome::kMissingFile) {
      EXPECT_EQ(ReadWholeFile(path), written ? Tagged(tags) : rows[row].bytes);
    }
  }
  // Written rows are unchecked, so a second run touches only the rows that were skipped.
  const std::vector<InfoTagRowReport> again = WriteInfoTags();
  ASSERT_EQ(again.size(), reports.size() - 2);  // all but movie.avi and LAST.AVI
  EXPECT_EQ(again.front().row, 2);
}

TEST_F(InfoTagWriterTest, PathFromFolderAndNameCellsWhenTheRowHasNone) {
  const std::string name = "映画 (1).avi";
  dir.Write(name, kAvi);
  AddRow(name, {"\x83\x5e\x83\x43\x83\x67\x83\x8b", "", "x"}, /*real_path=*/false);
  // A name CP932 cannot hold reaches its file through the row's real path only.
  const std::string snowman = "snow\xe2\x98\x83.avi";
  dir.Write(snowman, kAvi);
  AddRow(snowman, {"t", "", ""});

  const std::vector<InfoTagRowReport> reports = WriteInfoTags();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(dir.path() + "/" + name), Tagged({"\x83\x5e\x83\x43\x83\x67\x83\x8b", "", "x"}));
  EXPECT_EQ(reports[1].outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(dir.path() + "/" + snowman), Tagged({"t", "", ""}));
}

TEST_F(InfoTagWriterTest, HiddenTagColumnKeepsTheFileText) {
  // Cells of hidden columns hold nothing; writing them would erase tags the user never saw.
  const std::string path = dir.Write("movie.avi", Tagged({"old title", "old creator", "old comment"}));
  ShowOnlyColumns({kColTitle, kColFolder});
  AddRow("movie.avi", {"new title", "", ""});
  ASSERT_EQ(WriteInfoTags().at(0).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), Tagged({"new title", "old creator", "old comment"}));
  // All three shown and empty: the list is emptied.
  ShowOnlyColumns({kColTitle, kColCreator, kColComment, kColFolder});
  AddRow("movie.avi", {});
  ASSERT_EQ(WriteInfoTags().at(0).outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), Tagged({}));
}

// A row loaded from a list whose cells could name two files, or whose line did not line up, writes none.
TEST_F(InfoTagWriterTest, RowsThatNameNoFileForSureWriteNothing) {
  const std::string wave_dash = dir.Write("wave\xe3\x80\x9c.avi", kAvi);  // 〜 U+301C
  const std::string fullwidth = dir.Write("wave\xef\xbd\x9e.avi", kAvi);  // ～ U+FF5E
  const std::string aligned = dir.Write("aligned.avi", kAvi);
  AddRow("wave\xe3\x80\x9c.avi", {"t", "", ""}, /*real_path=*/false);  // both read as 0x8160
  AddRow("aligned.avi", {"t", "", ""}, /*real_path=*/false);
  ListSetRowMisaligned(1, true);
  const std::vector<InfoTagRowReport> reports = WriteInfoTags();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].outcome, InfoTagOutcome::kAmbiguousName);
  EXPECT_EQ(reports[0].row_name, Utf8ToCp932(dir.path()) + "/" + Utf8ToCp932("wave〜.avi"));
  EXPECT_EQ(reports[1].outcome, InfoTagOutcome::kMisalignedLine);
  for (const std::string& path : {wave_dash, fullwidth, aligned}) EXPECT_EQ(ReadWholeFile(path), kAvi);
  EXPECT_TRUE(ListIsChecked(0) && ListIsChecked(1));
}

// Two rows reaching one file (a hard link, a symbolic link, a line twice in a list): when they agree the
// file is written once; when they do not, neither wins silently.
TEST_F(InfoTagWriterTest, RowsReachingOneFileAgreeOrAreBothRefused) {
  const std::string path = dir.Write("movie.avi", kAvi);
  ASSERT_EQ(link(path.c_str(), (dir.path() + "/hard.avi").c_str()), 0);
  ASSERT_EQ(symlink(path.c_str(), (dir.path() + "/soft.avi").c_str()), 0);
  const std::string other = dir.Write("other.avi", kAvi);
  AddRow("movie.avi", {"one", "", ""});
  AddRow("hard.avi", {"two", "", ""});
  AddRow("other.avi", {"fine", "", ""});
  AddRow("soft.avi", {"one", "", ""});
  std::vector<InfoTagRowReport> reports = WriteInfoTags();
  ASSERT_EQ(reports.size(), 4u);
  for (int row : {0, 1, 3}) {
    EXPECT_EQ(reports[row].outcome, InfoTagOutcome::kSameFile);
    EXPECT_TRUE(ListIsChecked(row));
  }
  EXPECT_EQ(reports[2].outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), kAvi);
  EXPECT_EQ(ReadWholeFile(other), Tagged({"fine", "", ""}));

  ListSetCell(1, ColumnPosition(kColTitle), "one");
  reports = WriteInfoTags();
  ASSERT_EQ(reports.size(), 3u);
  for (const InfoTagRowReport& report : reports) EXPECT_EQ(report.outcome, InfoTagOutcome::kWritten);
  EXPECT_EQ(ReadWholeFile(path), Tagged({"one", "", ""}));
  EXPECT_EQ(ListIsChecked(0) || ListIsChecked(1) || ListIsChecked(3), false);
}

// The window writes on a thread of its own and may stop it at any moment: the rows written by then come
// first, in row order, with any later row sharing one of their files; every other row is left alone, its
// file as it was, and keeps its check mark. A stop before the walk starts writes nothing at all.
TEST_F(InfoTagWriterTest, StopLeavesEveryFileNotYetWrittenAsItWas) {
  constexpr int kMovies = 300;
  for (int row = 0; row < kMovies; ++row) {
    dir.Write(std::to_string(row) + ".avi", kAvi);
    AddRow(std::to_string(row) + ".avi", {"title", "", ""});
  }
  ASSERT_EQ(link((dir.path() + "/0.avi").c_str(), (dir.path() + "/shared.avi").c_str()), 0);
  AddRow("shared.avi", {"title", "", ""});
  const std::vector<InfoTagRowCells> rows = TakeCheckedTagRows();

  std::atomic<bool> stop = true;
  for (const InfoTagRowReport& report : WriteTagRows(rows, {}, stop))
    EXPECT_EQ(report.outcome, InfoTagOutcome::kStopped) << report.row;
  EXPECT_EQ(ReadWholeFile(dir.path() + "/0.avi"), kAvi);

  stop = false;
  std::vector<InfoTagRowReport> reports;
  std::thread walk([&] { reports = WriteTagRows(rows, {}, stop); });
  while (ReadWholeFile(dir.path() + "/1.avi") == kAvi) std::this_thread::yield();
  stop = true;
  walk.join();
  UncheckDoneRows(reports, {});
  int written = 0;
  while (reports[written].outcome == InfoTagOutcome::kWritten) ++written;
  std::printf("stopped after %d of %d rows\n", written, kMovies + 1);
  EXPECT_GE(written, 2);
  for (const InfoTagRowReport& report : reports) {
    // The last row reaches the first row's file, written with it.
    const bool was_written = report.row < written || report.row == kMovies;
    EXPECT_EQ(report.outcome, was_written ? InfoTagOutcome::kWritten : InfoTagOutcome::kStopped)
        << report.row;
    EXPECT_EQ(ListIsChecked(report.row), !was_written) << report.row;
    EXPECT_EQ(ReadWholeFile(report.path) == kAvi, !was_written) << report.row;
  }
}

}  // namespace
