#include "list/status_totals.h"

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class StatusTotalsTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  // Rows whose first size cell holds the given texts.
  void AddSizeRows(std::initializer_list<std::string> sizes) {
    for (const std::string& size : sizes) {
      int row = ListRowCount();
      ListInsertRow(row, row, "f.avi");
      ListSetCell(row, 1, size);
    }
  }
};

TEST_F(StatusTotalsTest, RowSizeKBFromTheFirstShownSizeColumn) {
  const struct {
    std::initializer_list<ColumnNo> shown;
    const char* cell;
    int64_t kb;
  } cases[] = {
      {{kColSizeBytes, kColSizeMB}, "1,023", 0},
      {{kColSizeBytes}, "1,024", 1},
      {{kColSizeBytes}, "2,047", 1},
      {{kColSizeBytes}, "3,221,225,472", 3145728},  // 3 GiB does not wrap
      {{kColSizeMB, kColSizeKB}, "5.23MB", 5355},
      {{kColSizeMB}, "5.23", 5355},
      {{kColSizeKB}, "1,234KB", 1234},
      {{kColSizeKB}, "1,234", 1234},
      {{kColSizeKB}, "", 0},
      {{kColTitle}, "1,234", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    ShowOnlyColumns(c.shown);
    AddSizeRows({c.cell});
    EXPECT_EQ(RowSizeKB(0), c.kb);
  }
}

TEST_F(StatusTotalsTest, CountTextPadsTheTotalToSixCharacters) {
  const struct {
    std::initializer_list<ColumnNo> shown;
    std::initializer_list<std::string> sizes;
    const char* text;
  } cases[] = {
      {{kColSizeKB}, {}, "0file(s)      0KB(0.0MB)"},
      {{kColSizeKB}, {"1,000KB", "200", "34"}, "3file(s)   1,234KB(1.2MB)"},
      {{kColSizeKB}, {"45,600", "78"}, "2file(s)  45,678KB(44.6MB)"},
      {{kColSizeKB}, {"2,345,678"}, "1file(s) 2,345,678KB(2290.7MB)"},
      // Small totals get no stray comma.
      {{kColSizeKB}, {"5", "7", "0"}, "3file(s)     12KB(0.0MB)"},
      {{kColSizeKB}, {"999"}, "1file(s)    999KB(1.0MB)"},
      {{kColTitle}, {"1", "2", "3"}, "3file(s) Not KB(Not MB)"},
      // Beyond 2 GiB nothing wraps.
      {{kColSizeBytes}, {"3,221,225,472", "3,221,225,472"}, "2file(s) 6,291,456KB(6144.0MB)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ShowOnlyColumns(c.shown);
    AddSizeRows(c.sizes);
    EXPECT_EQ(StatusCountText(), c.text);
  }
}

TEST_F(StatusTotalsTest, DiskTexts) {
  const uint64_t ten_gb = 10ull * 1024 * 1024;
  EXPECT_EQ(DiskMaxText(ten_gb), "DiskMax: 10240.0MB");
  EXPECT_EQ(DiskFreeText(ten_gb / 4), "DiskFree: 2560.0MB");
  EXPECT_EQ(DiskShareText(ten_gb, ten_gb / 4), "Per: 75.0%");
  EXPECT_EQ(DiskShareText(ten_gb, ten_gb), "Per: 0.0%");
  EXPECT_EQ(DiskShareText(0, 0), "Per:Non");
  const uint64_t sixteen_tib_kb = 16ull << 30;
  EXPECT_EQ(DiskMaxText(sixteen_tib_kb), "DiskMax: 16777216.0MB");
}

TEST_F(StatusTotalsTest, UpdatesWriteTheirPartsOnly) {
  EXPECT_EQ(CurrentStatusTexts(), NoScanStatusTexts());
  ShowOnlyColumns({kColSizeKB});
  AddSizeRows({"12"});
  TempDir dir;
  StatusTexts texts = UpdateStatusTotals(dir.path());
  EXPECT_EQ(texts[0], "1file(s)     12KB(0.0MB)");
  EXPECT_EQ(texts[1].rfind("DiskMax: ", 0), 0u);
  EXPECT_NE(texts[1], "DiskMax: 0.0MB");
  EXPECT_NE(texts[3], "Per:Non");

  AddSizeRows({"30"});
  EXPECT_EQ(UpdateStatusCount(), "2file(s)     42KB(0.0MB)");
  EXPECT_EQ(CurrentStatusTexts()[0], "2file(s)     42KB(0.0MB)");
  EXPECT_EQ(CurrentStatusTexts()[1], texts[1]);

  texts = UpdateStatusTotals(dir.path() + "/no/such/folder");
  EXPECT_EQ(texts[1], "DiskMax: 0.0MB");
  EXPECT_EQ(texts[2], "DiskFree: 0.0MB");
  EXPECT_EQ(texts[3], "Per:Non");
  ResetStatusTexts();
  EXPECT_EQ(CurrentStatusTexts()[0], "Non Scanning...");
}

TEST_F(StatusTotalsTest, SelectionSummary) {
  ShowOnlyColumns({kColSizeKB});
  AddSizeRows({"1,000", "500", "7"});
  UpdateStatusCount();
  ListSetSelected(0, true);
  EXPECT_EQ(SelectionSummaryText(), "3file(s)   1,507KB(1.5MB)") << "one row selected: the list summary";
  ListSetSelected(1, true);
  EXPECT_EQ(Cp932ToUtf8(SelectionSummaryText()), "2ﾌｧｲﾙ選択 1,500KB(1.5MB)");
  ListSetSelected(2, true);
  EXPECT_EQ(Cp932ToUtf8(SelectionSummaryText()), "3ﾌｧｲﾙ選択 1,507KB(1.5MB)");

  ShowOnlyColumns({kColTitle});
  AddSizeRows({"1", "2", "3"});
  ListSetSelected(0, true);
  ListSetSelected(2, true);
  EXPECT_EQ(Cp932ToUtf8(SelectionSummaryText()), "2ﾌｧｲﾙ選択 0KB(0.0MB)");
}

}  // namespace
