#include "list/list_file_writer.h"

#include <sys/stat.h>

#include <cerrno>

#include <gtest/gtest.h>

#include "list/csv_reader.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "platform/file_write.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class ListFileWriterTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  void AddRow(const std::vector<std::string>& cells) {
    int row = ListRowCount();
    ListInsertRow(row, row, cells[0]);
    for (size_t position = 1; position < cells.size(); ++position)
      ListSetCell(row, position, cells[position]);
  }
  std::vector<std::vector<std::string>> AllCells() {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < ListRowCount(); ++row) {
      rows.emplace_back();
      for (int position = 0; position < ListColumnCount(); ++position) {
        rows.back().push_back(ListGetCell(row, position, 4096));
      }
    }
    return rows;
  }
  TempDir dir_;
};

const std::string kName = Utf8ToCp932("ファイル名");
const std::string kBytes = Utf8ToCp932("サイズ(Byte)");
const std::string kMB = Utf8ToCp932("サイズ(MB)");

TEST_F(ListFileWriterTest, TableFollowsTheShownColumnsInDisplayOrder) {
  ShowOnlyColumns({kColSizeMB, kColTitle, kColVideoRate, kColAudioRate, kColFolder});
  AddRow({"a.avi", "1.18MB", "t", "800kbit", "44kHz", "/m"});
  const ListFileColumns columns = ListFileColumnsFromList();
  EXPECT_EQ(columns.labels,
            (std::vector<std::string>{kName, kMB, Utf8ToCp932("タイトル"), Utf8ToCp932("動画レート"),
                                      Utf8ToCp932("音声レート"), Utf8ToCp932("ディレクトリパス")}));
  EXPECT_EQ(columns.right_aligned, (std::vector<bool>{false, true, false, true, true, false}));
  const ListFileRows rows = ListFileRowsFromList();
  ASSERT_EQ(rows.count, 1u);
  std::vector<std::string_view> cells;
  rows.read(0, cells);
  EXPECT_EQ(cells[5], "/m");
}

TEST_F(ListFileWriterTest, TxtFileWithCrLfAndAppendedRows) {
  ShowOnlyColumns({kColSizeBytes});
  AddRow({"a.avi", "1,234"});
  AddRow({"movie-2.mpg", "56"});
  std::string path = dir_.path() + "/list.txt";
  ASSERT_TRUE(WriteListFile(path, kListFileTxt, false).ok);
  std::string first = kName + "  " + kBytes + " \r\na.avi       1,234 \r\nmovie-2.mpg 56 \r\n";
  EXPECT_EQ(ReadWholeFile(path), first);

  AddRow({"long-file-name.avi", "7"});  // appended lines are padded to the new width
  ASSERT_TRUE(WriteListFile(path, kListFileTxt, true).ok);
  EXPECT_EQ(ReadWholeFile(path), first + "a.avi" + std::string(14, ' ') + "1,234 \r\n" + "movie-2.mpg" +
                                     std::string(8, ' ') + "56 \r\nlong-file-name.avi 7 \r\n");
}

TEST_F(ListFileWriterTest, CsvRoundTripGivesTheSameCellsAndBytes) {
  ShowOnlyColumns({kColSizeBytes, kColSizeMB, kColSizeKB, kColTitle, kColFrameRate, kColComment});
  std::string long_comment(700, 'x');  // cells are never cut
  AddRow({"a.avi", "1,234,567", "1.18MB", "1,205KB", "Hello, World", "29.97", long_comment});
  AddRow({Utf8ToCp932("動画.mpg"), "999", "0.00MB", "0KB", Utf8ToCp932("ﾀｲﾄﾙ"), "", ""});
  AddRow({"b.avi", "", "", "", "", "", ""});
  std::vector<std::vector<std::string>> cells = AllCells();
  std::string path = dir_.path() + "/list.csv";
  ASSERT_TRUE(WriteListFile(path, kListFileCsv, false).ok);

  ListDeleteAll();
  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);
  EXPECT_EQ(AllCells(), cells);
  std::string again = dir_.path() + "/again.csv";
  ASSERT_TRUE(WriteListFile(again, kListFileCsv, false).ok);
  EXPECT_EQ(ReadWholeFile(again), ReadWholeFile(path));
}

TEST_F(ListFileWriterTest, HtmlFileTakesTheOptions) {
  ShowOnlyColumns({});
  std::string path = dir_.path() + "/list.html";
  HtmlOptions options;
  options.Caption = "cap";
  ASSERT_TRUE(WriteListFile(path, kListFileHtml, false, options).ok);
  std::string page = ReadWholeFile(path);
  EXPECT_NE(page.find("\r\n    <title>cap</title>\r\n"), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 11), "</html>\r\n\r\n");
}

// A save that fails part-way, or cannot start, must keep the list file the user had and say so.
TEST_F(ListFileWriterTest, FailedSaveLeavesTheOldFileAndIsReported) {
  ShowOnlyColumns({kColSizeBytes});
  for (int row = 0; row < 200; ++row) AddRow({"file" + std::to_string(row) + ".avi", "1,000"});
  const std::string old_bytes = "old list\r\n";
  for (ListFileKind kind : {kListFileTxt, kListFileCsv, kListFileHtml}) {
    for (bool append : {false, true}) {
      SCOPED_TRACE(testing::Message() << kind << " append " << append);
      std::string path = dir_.Write("list.out", old_bytes);
      InjectWriteFaultForTesting(append ? 1 : 0, 100, ENOSPC);
      ListFileResult result = WriteListFile(path, kind, append);
      EXPECT_FALSE(result.ok);
      EXPECT_EQ(result.error_number, ENOSPC);
      EXPECT_EQ(result.path, path);
      EXPECT_EQ(ReadWholeFile(path), old_bytes);
      ClearWriteFaultForTesting();
    }
  }
  std::string read_only = dir_.Write("ro.txt", old_bytes);
  chmod(read_only.c_str(), 0444);
  EXPECT_FALSE(WriteListFile(read_only, kListFileTxt, false).ok);
  EXPECT_FALSE(WriteListFile(read_only, kListFileTxt, true).ok);
  EXPECT_EQ(ReadWholeFile(read_only), old_bytes);

  ListFileResult missing = WriteListFile(dir_.path() + "/no/such/folder/list.csv", kListFileCsv, false);
  EXPECT_FALSE(missing.ok);
  EXPECT_NE(missing.error_number, 0);

  ListFileResult refused = WriteListFile(dir_.path() + "/list.doc", kListFileRefused, false);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error_number, EINVAL);
  EXPECT_EQ(ReadWholeFile(dir_.path() + "/list.doc"), "");
}

}  // namespace
