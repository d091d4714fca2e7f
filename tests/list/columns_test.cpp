#include "list/columns.h"

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class ColumnsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCoreStateForTesting(); }
  void TearDown() override { ResetCoreStateForTesting(); }

  // Builds the columns from a settings file holding these lines.
  void BuildFrom(const std::string& ini) {
    UseSettingsFileForTesting(dir_.Write("dorirovo.ini", ini));
    BuildColumns();
  }

  TempDir dir_;
};

TEST_F(ColumnsTest, TableHoldsCp932TextsKeysAndWidths) {
  EXPECT_EQ(ColumnTable(kColFileName).list_header, Utf8ToCp932("ﾌｧｲﾙ名"));
  EXPECT_EQ(ColumnTable(kColFileName).list_header.size(), 6u);
  EXPECT_EQ(ColumnTable(kColFileName).file_label.size(), 10u);
  EXPECT_EQ(ColumnTable(kColSizeBytes).file_label, Utf8ToCp932("サイズ(Byte)"));
  EXPECT_EQ(ColumnTable(kColFileName).visibility_key, nullptr);
  // The settings file depends on these keys letter for letter.
  EXPECT_STREQ(ColumnTable(kColVideoFormat).visibility_key, "MoveInfo");
  EXPECT_STREQ(ColumnTable(kColFrameRate).visibility_key, "FlameRate");
  EXPECT_STREQ(ColumnTable(kColGenre).width_key, "Junle");
  EXPECT_STREQ(ColumnTable(kColCreator).visibility_key, "Creater");
  EXPECT_EQ(ColumnTable(kColFolder).width_menu_item, 40026);
  EXPECT_EQ(ColumnTable(kColComment).default_width, 400);
  // Where header and label read the same, the bytes are the same.
  EXPECT_EQ(ColumnTable(kColResolution).list_header, ColumnTable(kColResolution).file_label);
  int right_aligned = 0;
  for (int no = 0; no < kColumnCount; ++no) right_aligned += ColumnTable(no).right_aligned;
  EXPECT_EQ(right_aligned, 3);
  EXPECT_EQ(ColumnTable(kColumnCount).width_key, nullptr);
  EXPECT_EQ(ColumnTable(-1).default_width, 0);
}

TEST_F(ColumnsTest, BuildWithoutSettingsShowsEveryColumnAtDefaultWidth) {
  UseSettingsFileForTesting(dir_.path() + "/missing.ini");
  BuildColumns();
  for (int no = 0; no < kColumnCount; ++no) EXPECT_EQ(ColumnPosition(no), no);
  EXPECT_EQ(Columns().last_position, 16);
  EXPECT_EQ(ListColumnCount(), 17);
  EXPECT_TRUE(ListColumnRightAligned(ColumnPosition(kColSizeKB)));
  EXPECT_EQ(ListColumnWidth(ColumnPosition(kColComment)), 400);
  EXPECT_EQ(ListColumnHeader(16), Utf8ToCp932("ﾎﾞﾘｭｰﾑ"));
}

TEST_F(ColumnsTest, BuildReadsFlagsAndWidths) {
  BuildFrom(
      "[Customize]\nFileSizeBT=2\nFileSizeMB=-1\nFileSizeKB=0\nmoveinfo=0\nAudioInfo=0\nVideoRate=0\n"
      "AudioRate=0\nFlameRate=0\nResolusion=0\nPlayTime=0\nJanle=0\nCreater=0\nDirPath=0\nVolLabel=0\n"
      "[MainSeting]\nTitle=333\nFile=-40\nComment=abc\n");
  // Only the title (absent key, shown) and the comment (absent key, shown) remain.
  EXPECT_EQ(ColumnPosition(kColTitle), 1);
  EXPECT_EQ(ColumnPosition(kColComment), 2);
  EXPECT_EQ(ColumnPosition(kColSizeBytes), -1);  // 2 hides, as any value but 1
  EXPECT_EQ(Columns().shown[kColSizeBytes], 0);
  EXPECT_EQ(ColumnPosition(kColSizeMB), -1);
  EXPECT_EQ(ColumnPosition(kColGenre), -1);
  EXPECT_EQ(ColumnAtPosition(2), kColComment);
  EXPECT_EQ(ColumnAtPosition(3), -1);
  EXPECT_EQ(Columns().last_position, 2);
  ASSERT_EQ(ListColumnCount(), 3);
  EXPECT_EQ(ListColumnHeader(1), Utf8ToCp932("ﾀｲﾄﾙ"));
  EXPECT_EQ(Columns().width[kColTitle], 333);
  EXPECT_EQ(ListColumnWidth(1), 333);
  EXPECT_EQ(ListColumnWidth(0), 200);  // a negative stored width falls back to the default
  EXPECT_EQ(ListColumnWidth(2), 0);    // no digits read as 0, as the profile read gives
}

TEST_F(ColumnsTest, BuildWithEveryOptionalColumnHidden) {
  std::string ini = "[Customize]\n";
  for (int no = 1; no < kColumnCount; ++no) ini += std::string(ColumnTable(no).visibility_key) + "=0\n";
  BuildFrom(ini);
  EXPECT_EQ(Columns().last_position, 0);
  EXPECT_EQ(ListColumnCount(), 1);
  for (int no = 1; no < kColumnCount; ++no) EXPECT_EQ(ColumnPosition(no), -1);
}

}  // namespace
