#include "list/csv_reader.h"

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class CsvReaderTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  std::string Row(int row) {
    std::string text = std::to_string(ListRowKey(row));
    for (int position = 0; position < ListColumnCount(); ++position) {
      text += "|" + ListGetCell(row, position, 100000);
    }
    return text;
  }
  TempDir dir_;
};

// The header of a file written with the file name, size in bytes and title shown.
const std::string kHeader = Utf8ToCp932("\"ファイル名\",\"サイズ(Byte)\",\"タイトル\"\r\n");

TEST_F(CsvReaderTest, HeaderMustNameTheShownColumns) {
  std::string path = dir_.Write("list.csv", kHeader + "\"a.avi\",\"1,234\",\"t\"\r\n");
  const struct {
    std::initializer_list<ColumnNo> shown;
    CsvReadCode code;
  } cases[] = {
      {{kColSizeBytes, kColTitle}, kCsvLoaded},
      {{kColTitle}, kCsvCategoryCountMismatch},  // a column hidden since
      {{kColSizeBytes, kColTitle, kColComment}, kCsvCategoryCountMismatch},
      {{kColSizeMB, kColTitle}, kCsvCategoryItemMismatch},  // another column shown instead
      {{kColSizeBytes, kColGenre}, kCsvCategoryItemMismatch},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code);
    ShowOnlyColumns(c.shown);
    ListInsertRow(0, 7, "kept.avi");
    EXPECT_EQ(ReadCsvListFile(path), c.code);
    // A refused file adds nothing.
    EXPECT_EQ(ListRowCount(), c.code == kCsvLoaded ? 2 : 1);
    EXPECT_EQ(Row(ListRowCount() - 1).substr(0, 10), "7|kept.avi");
  }
}

TEST_F(CsvReaderTest, HeaderLettersMatchWithoutCase) {
  ShowOnlyColumns({kColSizeBytes, kColFrameRate});
  std::string path = dir_.Write("list.csv", Utf8ToCp932("\"ファイル名\",\"サイズ(byte)\",\"FPS\"\r\n"));
  EXPECT_EQ(ReadCsvListFile(path), kCsvLoaded);
  EXPECT_EQ(ListRowCount(), 0);
}

TEST_F(CsvReaderTest, EmptyOrMissingFilesAreCountMismatches) {
  ShowOnlyColumns({});
  EXPECT_EQ(ReadCsvListFile(dir_.Write("empty.csv", "")), kCsvCategoryCountMismatch);
  EXPECT_EQ(ReadCsvListFile(dir_.path() + "/gone.csv"), kCsvCategoryCountMismatch);
  EXPECT_EQ(ReadCsvListFile(dir_.path()), kCsvCategoryCountMismatch);  // a folder
  EXPECT_EQ(ListRowCount(), 0);
}

TEST_F(CsvReaderTest, RowsGoOnTopInFileOrderWithKeysFromZero) {
  ShowOnlyColumns({kColSizeBytes, kColTitle});
  std::string path = dir_.Write("list.csv", kHeader +
                                                "\"a.avi\",\"1,234,567\",\"Hello, World\"\r\n"
                                                "\"b.avi\",\"5\"\r\n"  // short: its title stays empty
                                                "\"c.avi\",\"6\",\"t\",\"extra\",\"more\"\r\n"
                                                "\r\n"  // an empty line is an empty row
                                                "plain.avi,12,345\n");
  ListInsertRow(0, 40, "old.avi");
  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);
  ASSERT_EQ(ListRowCount(), 6);
  EXPECT_EQ(Row(0), "0|a.avi|1,234,567|Hello, World");
  EXPECT_EQ(Row(1), "1|b.avi|5|");
  EXPECT_EQ(Row(2), "2|c.avi|6|t");
  EXPECT_EQ(Row(3), "3|||");
  EXPECT_EQ(Row(4), "4|plain.avi,12,345||");
  EXPECT_EQ(Row(5), "40|old.avi||");

  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);  // loaded twice: the second copy on top
  ASSERT_EQ(ListRowCount(), 11);
  EXPECT_EQ(Row(0), "0|a.avi|1,234,567|Hello, World");
  EXPECT_EQ(Row(5), "0|a.avi|1,234,567|Hello, World");
}

// A line longer than any fixed buffer is one row, not a row plus a second row made of its tail.
TEST_F(CsvReaderTest, LongLinesStayOneRow) {
  ShowOnlyColumns({kColSizeBytes, kColTitle});
  std::string title(3000, 't');
  std::string path = dir_.Write("list.csv", kHeader + "\"a.avi\",\"1\",\"" + title + "\"\r\n\"b.avi\"\r\n");
  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);
  ASSERT_EQ(ListRowCount(), 2);
  EXPECT_EQ(Row(0), "0|a.avi|1|" + title);
  EXPECT_EQ(Row(1), "1|b.avi||");
}

// The same list as the designed writer writes it and as spreadsheet programs save it.
TEST_F(CsvReaderTest, ShiftJisAndUtf8FilesLoadTheSameCells) {
  ShowOnlyColumns({kColSizeBytes, kColTitle});
  const std::string utf8 =
      "\"ファイル名\",\"サイズ(Byte)\",\"タイトル\"\r\n\"波〜.avi\",\"1,234\",\"題, 2\"\r\n";
  const std::string minimal = "ファイル名,サイズ(Byte),タイトル\n波～.avi,\"1,234\",\"題, 2\"\n";
  const std::string expected = "0|" + Utf8ToCp932("波～.avi") + "|1,234|" + Utf8ToCp932("題, 2");
  for (const std::string& bytes : {Utf8ToCp932(utf8), utf8, "\xEF\xBB\xBF" + utf8, minimal}) {
    SCOPED_TRACE(bytes);
    ASSERT_EQ(ReadCsvListFile(dir_.Write("list.csv", bytes)), kCsvLoaded);
    ASSERT_EQ(ListRowCount(), 1);
    EXPECT_EQ(Row(0), expected);
    ListDeleteAll();
  }
}

// Lines whose fields do not line up are loaded as designed, their rows marked and their lines named.
TEST_F(CsvReaderTest, MisalignedLinesAreMarkedAndNamed) {
  ShowOnlyColumns({kColTitle});
  const std::string path = dir_.Write(
      "list.csv", Utf8ToCp932("\"ファイル名\",\"タイトル\"\r\n") +
                      "\"a.avi\",\"x\",\"y\"\r\n\"b.avi\",\"t\"\r\n\"c.avi\",\"two\r\nlines\"\r\n");
  std::vector<int> misaligned;
  ASSERT_EQ(ReadCsvListFile(path, &misaligned), kCsvLoaded);
  EXPECT_EQ(misaligned, (std::vector<int>{2, 4, 5}));
  ASSERT_EQ(ListRowCount(), 4);
  EXPECT_EQ(Row(0), "0|a.avi|x");
  for (int row = 0; row < 4; ++row) EXPECT_EQ(ListRowMisaligned(row), row != 1) << row;
}

TEST(CsvReadErrorText, CaptionAndTextCarryTheCode) {
  EXPECT_EQ(Cp932ToUtf8(CsvReadErrorCaption(kCsvCategoryCountMismatch)),
            "CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ数不一致]");
  EXPECT_EQ(Cp932ToUtf8(CsvReadErrorCaption(kCsvCategoryItemMismatch)),
            "CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ項目不一致]");
  EXPECT_EQ(Cp932ToUtf8(CsvReadErrorText(kCsvCategoryItemMismatch)),
            "ﾃﾞｰﾀ書き込み時とｶﾃｺﾞﾘﾃｰﾌﾞﾙが異なるか、CSV形式が異なります\n読み込みに失敗しました ｴﾗｰｺｰﾄﾞ2");
}

}  // namespace
