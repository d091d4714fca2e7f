#include "scan/playback_check.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "list/columns.h"
#include "list/list_model.h"
#include "list/sort.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

const std::string kYes = Utf8ToCp932("○");
const std::string kNo = Utf8ToCp932("×");
const std::string kNone = Utf8ToCp932("　");

CheckRow Row(const std::string& name, const std::string& video, const std::string& audio) {
  return {name, kYes, kYes, video, audio};
}

TEST(PlaybackCheckTest, MarksForEveryCheckResult) {
  const std::pair<std::string, std::string> expected[] = {{kYes, kYes},  {kNo, kYes},   {kYes, kNo},
                                                          {kNo, kNo},    {kYes, kNone}, {kNo, kNone},
                                                          {kNone, kYes}, {kNone, kNo}};
  for (int result = 0; result < 8; ++result) {
    SCOPED_TRACE(result);
    const CheckMarks marks = MarksForCheckResult(result);
    EXPECT_EQ(marks.video, expected[result].first);
    EXPECT_EQ(marks.audio, expected[result].second);
  }
}

TEST(PlaybackCheckTest, MarkColumnWidthFromListFontSize) {
  EXPECT_EQ(CheckMarkColumnWidth("12"), 38);
  EXPECT_EQ(CheckMarkColumnWidth("0x10"), 39);
  EXPECT_EQ(CheckMarkColumnWidth(""), 35);
  EXPECT_EQ(CheckMarkColumnWidth("-7"), 34);  // division toward zero
}

TEST(PlaybackCheckTest, LogBytesOfTheExampleLine) {
  const std::string log = RenderCheckLog({Row("a.avi", "MPEG4 V3", "PCM")});
  const std::string expected = Utf8ToCp932(
      "ファイル名 映像 音声 映像codec 音声codec\r\n"
      "a.avi       ○   ○  MPEG4 V3  PCM\r\n");
  EXPECT_EQ(log, expected);
}

TEST(PlaybackCheckTest, LogWidthsFollowTheLongestCell) {
  std::vector<CheckRow> rows{Row("long_file_name.avi", "DivX 5", ""),
                             {"b.wav", kNone, kNo, "", "MPEG Layer-3 long"}};
  const std::string log = RenderCheckLog(rows);
  const std::string expected = Utf8ToCp932(
      "ファイル名         映像 音声 映像codec 音声codec\r\n"
      "long_file_name.avi  ○   ○  DivX 5    \r\n"
      "b.wav               　   ×            MPEG Layer-3 long\r\n");
  EXPECT_EQ(log, expected);
  // A log with no rows is the header line alone.
  EXPECT_EQ(RenderCheckLog({}), Utf8ToCp932("ファイル名 映像 音声 映像codec 音声codec\r\n"));
}

TEST(PlaybackCheckTest, LogThatCannotBeCreatedWritesNothing) {
  TempDir dir;
  const std::string path = dir.path() + "/check.txt";
  const WriteResult written = WriteCheckLog(path, {Row("a.avi", "MPEG4 V3", "PCM")});
  EXPECT_TRUE(written.ok);
  EXPECT_EQ(ReadWholeFile(path).size(), RenderCheckLog({Row("a.avi", "MPEG4 V3", "PCM")}).size());
  const WriteResult refused = WriteCheckLog(dir.path() + "/missing/check.txt", {});
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error_number, ENOENT);
}

TEST(PlaybackCheckTest, HeaderClicksShareTheDirectionTable) {
  ResetCoreStateForTesting();
  std::vector<CheckRow> rows{Row("b.avi", "x", "B"), Row("A.avi", "y", "a"), Row("c.avi", "z", "C")};
  SortCheckRows(rows, 0);
  EXPECT_EQ(rows[0][0], "A.avi");
  EXPECT_EQ(rows[2][0], "c.avi");
  SortCheckRows(rows, 0);
  EXPECT_EQ(rows[0][0], "c.avi");
  EXPECT_EQ(rows[2][0], "A.avi");
  // A column left descending by the main list sorts ascending on the next click here.
  FlipSortDirection(4);
  FlipSortDirection(4);
  SortCheckRows(rows, 4);
  EXPECT_EQ(SortDirection(4), kSortAscending);
  EXPECT_EQ(rows[0][4], "a");
  EXPECT_EQ(rows[2][4], "C");
  ResetCoreStateForTesting();
}

TEST(PlaybackCheckTest, RowsFromTheListFiles) {
  ShowOnlyColumns({kColFolder});
  const std::string data = std::string(TESSAROLL_SOURCE_DIR) + "/tests/data";
  // Rows read from a list file have only their cells; scanned rows keep their path.
  ListInsertRow(0, 0, "msmpeg4v2_pcm.avi");
  ListSetCell(0, ColumnPosition(kColFolder), data);
  ListInsertRow(1, 1, "pcm_u8_8k.wav");
  ListSetRowPath(1, data + "/pcm_u8_8k.wav");
  ListInsertRow(2, 2, "gone.avi");
  ListSetCell(2, ColumnPosition(kColFolder), "/nonexistent/folder");
  ListInsertRow(3, 3, "unreadable.avi");
  ListSetRowPath(3, "/dev/null");
  ListInsertRow(4, 4, "moved.avi");
  ListSetRowPath(4, data + "/pcm_u8_8k.wav");
  ListSetRowMisaligned(4, true);
  RowFileResolver files;
  EXPECT_EQ(CheckListRow(0, files), (CheckRow{"msmpeg4v2_pcm.avi", kYes, kYes, "MPEG4 V2", "PCM"}));
  EXPECT_EQ(CheckListRow(1, files), (CheckRow{"pcm_u8_8k.wav", kNone, kYes, "", "PCM"}));
  // What cannot be played is never shown as playable.
  EXPECT_EQ(CheckListRow(2, files), (CheckRow{"gone.avi", kNo, kNo, Utf8ToCp932("ﾌｧｲﾙがありません"), ""}));
  EXPECT_EQ(CheckListRow(3, files),
            (CheckRow{"unreadable.avi", kNo, kNo, Utf8ToCp932("ﾌｧｲﾙを読めません"), ""}));
  EXPECT_EQ(CheckListRow(4, files),
            (CheckRow{"moved.avi", kNo, kNo, Utf8ToCp932("ﾌｧｲﾙを決められません"), ""}));
  ShowOnlyColumns({});
}

}  // namespace
