// Hostile list files and cells: a CSV line of 10 MB, lines of 100,000 commas, a FIFO named like a list
// file, and markup in file names and tags written to an HTML list.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <string>

#include "list/csv_format.h"
#include "list/csv_reader.h"
#include "list/list_file_writer.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

const std::string kHeader = Utf8ToCp932("\"ファイル名\",\"サイズ(Byte)\",\"タイトル\"\r\n");

class ListFileHostile : public testing::Test {
 protected:
  void SetUp() override { ShowOnlyColumns({kColSizeBytes, kColTitle}); }
  void TearDown() override { ResetCoreStateForTesting(); }
  TempDir dir_;
};

TEST_F(ListFileHostile, TenMegabyteLineIsOneWholeRow) {
  const std::string title(10 << 20, 'x');
  const std::string path =
      dir_.Write("long.csv", kHeader + "\"a.avi\",\"1\",\"" + title + "\"\r\n\"b.avi\"\r\n");
  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);
  ASSERT_EQ(ListRowCount(), 2);
  EXPECT_EQ(ListCellView(0, 2).size(), title.size());
  EXPECT_EQ(ListGetCell(1, 0), "b.avi");
}

TEST_F(ListFileHostile, HundredThousandCommas) {
  const std::string commas(100000, ',');
  // Quoted, the commas stay in the one cell; plain, each separates an empty field, and the fields
  // beyond the shown columns are dropped.
  EXPECT_EQ(SplitCsvFields("\"" + commas + "\"").size(), 1u);
  EXPECT_EQ(SplitCsvFields(commas).size(), 100001u);
  const std::string path =
      dir_.Write("commas.csv", kHeader + "\"a.avi\",\"1\",\"" + commas + "\"\r\nb.avi" + commas + "\r\n");
  ASSERT_EQ(ReadCsvListFile(path), kCsvLoaded);
  ASSERT_EQ(ListRowCount(), 2);
  EXPECT_EQ(ListCellView(0, 2), commas);
  EXPECT_EQ(ListGetCell(1, 0), "b.avi");
  EXPECT_EQ(ListGetCell(1, 2), "");
  // A header of 100,000 commas is refused as having the wrong number of fields.
  EXPECT_EQ(ReadCsvListFile(dir_.Write("header.csv", commas + "\r\n")), kCsvCategoryCountMismatch);
}

TEST_F(ListFileHostile, FifoNamedLikeAListFileIsRefusedAtOnce) {
  const std::string fifo = dir_.path() + "/list.csv";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  EXPECT_EQ(ReadCsvListFile(fifo), kCsvCategoryCountMismatch);
  EXPECT_EQ(ListRowCount(), 0);
}

TEST_F(ListFileHostile, MarkupInNamesAndTagsIsEscapedInHtml) {
  const std::string script = "<script>alert(\"x\")</script>";
  ListInsertRow(0, 0, script + ".avi");
  ListSetCell(0, 1, "1");
  ListSetCell(0, 2, "a & b <i>" + script);
  const std::string path = dir_.path() + "/list.htm";
  ASSERT_TRUE(WriteListFile(path, kListFileHtml, false).ok);
  const std::string html = ReadWholeFile(path);
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_NE(html.find("&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;.avi"), std::string::npos);
  EXPECT_NE(html.find("a &amp; b &lt;i&gt;&lt;script"), std::string::npos);
}

}  // namespace
