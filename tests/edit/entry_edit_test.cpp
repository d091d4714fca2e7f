#include "edit/entry_edit.h"

#include <gtest/gtest.h>

#include "list/columns.h"
#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"

namespace {

constexpr std::initializer_list<ColumnNo> kEveryColumn{
    kColSizeBytes, kColSizeMB,    kColSizeKB,    kColTitle,      kColVideoFormat, kColAudioFormat,
    kColVideoRate, kColAudioRate, kColFrameRate, kColResolution, kColPlayTime,    kColGenre,
    kColCreator,   kColComment,   kColFolder,    kColVolume};

class EntryEditTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }

  static void Put(ColumnNo column, const std::string& text) { ListSetCell(0, ColumnPosition(column), text); }
  static std::string Cell(ColumnNo column) { return ListGetCell(0, ColumnPosition(column)); }
};

TEST_F(EntryEditTest, FactLinesOfShownColumns) {
  ShowOnlyColumns(kEveryColumn);
  ListInsertRow(0, 0, Utf8ToCp932("夏の海.avi"));
  Put(kColFolder, "/home/u/movies");
  Put(kColSizeKB, "12,345");
  Put(kColSizeMB, "12.06");
  Put(kColVideoFormat, "MPEG4 V3");
  Put(kColVideoRate, "280");
  Put(kColAudioFormat, "MP3");
  Put(kColAudioRate, "56kbit/22khz");
  Put(kColResolution, "320x240");
  Put(kColFrameRate, "15");
  Put(kColPlayTime, "23:36");
  EntryEditFacts facts = MakeEntryEditFacts(0);
  EXPECT_EQ(facts.caption, Utf8ToCp932("夏の海のｴﾃﾞｨｯﾄ"));
  EXPECT_EQ(facts.file_name, Utf8ToCp932("夏の海.avi"));
  EXPECT_EQ(facts.folder, "/home/u/movies");
  EXPECT_EQ(facts.size_line, "12,345KB/12.06MB");
  EXPECT_EQ(facts.format_line, "MPEG4 V3(280kbit)/MP3(56kbit/22khz)");
  EXPECT_EQ(facts.picture_line, "Rezolution 320x240/Frame 15fps/Time 23:36");
  // A rate cell as the readers write it keeps one unit.
  Put(kColVideoRate, "204810kbit");
  EXPECT_EQ(MakeEntryEditFacts(0).format_line, "MPEG4 V3(204810kbit)/MP3(56kbit/22khz)");

  // Size cells that carry their units are not given a second one.
  Put(kColSizeKB, "12,345KB");
  Put(kColSizeMB, "12.06MB");
  EXPECT_EQ(MakeEntryEditFacts(0).size_line, "12,345KB/12.06MB");

  // A name of four bytes or fewer leaves only the suffix.
  ListSetCell(0, 0, "a.rm");
  EXPECT_EQ(MakeEntryEditFacts(0).caption, Utf8ToCp932("のｴﾃﾞｨｯﾄ"));
}

TEST_F(EntryEditTest, AllColumnsHiddenGiveNoneLines) {
  ShowOnlyColumns({});
  ListInsertRow(0, 0, "clip.mpg");
  const EntryEditFacts facts = MakeEntryEditFacts(0);
  EXPECT_EQ(facts.caption, Utf8ToCp932("clipのｴﾃﾞｨｯﾄ"));
  EXPECT_EQ(facts.folder, "");
  EXPECT_EQ(facts.size_line, "None KB/None MB");
  EXPECT_EQ(facts.format_line, "None(None kbit)/None(None kbit/None Khz)");
  EXPECT_EQ(facts.picture_line, "Rezolution None/Frame None/Time None");

  const EntryEditFields fields = InitialEntryEditFields(0);
  EXPECT_FALSE(fields.title || fields.genre || fields.creator || fields.comment);
  EXPECT_FALSE(StoreEntryEditFields(0, fields));
  EXPECT_FALSE(ListIsChecked(0));
}

TEST_F(EntryEditTest, EmptyGenreStartsAsFirstItemAndChecksTheRow) {
  ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment});
  ListInsertRow(0, 0, "a.avi");
  Put(kColTitle, "t");
  EntryEditFields fields = InitialEntryEditFields(0);
  EXPECT_EQ(fields.genre, Utf8ToCp932("アニメ"));
  EXPECT_EQ(fields.title, "t");
  EXPECT_EQ(fields.creator, "");
  EXPECT_TRUE(StoreEntryEditFields(0, fields));
  EXPECT_EQ(Cell(kColGenre), Utf8ToCp932("アニメ"));
  EXPECT_TRUE(ListIsChecked(0));
}

TEST_F(EntryEditTest, UnchangedFieldsKeepTheCheckMark) {
  ShowOnlyColumns({kColTitle, kColGenre, kColCreator, kColComment});
  ListInsertRow(0, 0, "a.avi");
  ListInsertRow(1, 1, "b.avi");
  for (int row : {0, 1}) ListSetCell(row, ColumnPosition(kColGenre), Utf8ToCp932("自作ジャンル"));
  ListSetChecked(1, true);
  for (int row : {0, 1}) {
    SCOPED_TRACE(row);
    EXPECT_FALSE(StoreEntryEditFields(row, InitialEntryEditFields(row)));
  }
  EXPECT_FALSE(ListIsChecked(0));
  EXPECT_TRUE(ListIsChecked(1));
}

TEST_F(EntryEditTest, StoresOnlyShownFieldsCutTo255Bytes) {
  ShowOnlyColumns({kColGenre, kColComment});
  ListInsertRow(0, 0, "a.avi");
  Put(kColComment, "old");
  EntryEditFields fields = InitialEntryEditFields(0);
  fields.title = "ignored";
  fields.genre = "";  // cleared by the delete-info button
  fields.comment = std::string(300, 'c');
  EXPECT_TRUE(StoreEntryEditFields(0, fields));
  EXPECT_EQ(Cell(kColGenre), "");
  EXPECT_EQ(ListGetCell(0, ColumnPosition(kColComment), 1024), std::string(255, 'c'));
  EXPECT_TRUE(ListIsChecked(0));
}

}  // namespace
