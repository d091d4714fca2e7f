#include "list/row_file_path.h"

#include <gtest/gtest.h>

#include "list/list_model.h"
#include "platform/cp932.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

class RowFilePathTest : public testing::Test {
 protected:
  void SetUp() override { ShowOnlyColumns({kColFolder}); }
  void TearDown() override { ListResetForTesting(); }
  // A row as a list file loads it: CP932 cells, no kept path.
  static void AddRow(const std::string& folder_utf8, const std::string& name_utf8) {
    ListInsertRow(0, 0, Utf8ToCp932(name_utf8));
    ListSetCell(0, ColumnPosition(kColFolder), Utf8ToCp932(folder_utf8));
  }
  TempDir dir_;
};

// Names whose CP932 forms are the same: one of them alone is found, both together are ambiguous.
TEST_F(RowFilePathTest, LookAlikeNamesResolveOnlyWhenUnambiguous) {
  const struct {
    const char* cell;
    std::vector<const char*> files;
    RowFileStatus status;
    const char* found;
  } cases[] = {
      {"wave〜dash.avi", {"wave〜dash.avi"}, RowFileStatus::kResolved, "wave〜dash.avi"},
      {"wave～dash.avi", {"wave〜dash.avi"}, RowFileStatus::kResolved, "wave〜dash.avi"},
      {"wave〜dash.avi", {"wave〜dash.avi", "wave～dash.avi"}, RowFileStatus::kAmbiguous, ""},
      {"a−b.avi", {"a－b.avi", "a-b.avi"}, RowFileStatus::kResolved, "a－b.avi"},
      {"yen\\.avi", {"yen¥.avi"}, RowFileStatus::kResolved, "yen¥.avi"},
      {"yen\\.avi", {"yen¥.avi", "yen\\.avi"}, RowFileStatus::kAmbiguous, ""},
      {"snow ? man.avi", {"snow ☃ man.avi"}, RowFileStatus::kResolved, "snow ☃ man.avi"},
      {"snow ? man.avi", {"snow ☃ man.avi", "snow é man.avi"}, RowFileStatus::kAmbiguous, ""},
      {"gone.avi", {"other.avi"}, RowFileStatus::kMissing, ""},
      {"sub/x.avi", {"sub/x.avi"}, RowFileStatus::kMissing, ""},  // a name never walks into a folder
      {"..", {"x.avi"}, RowFileStatus::kMissing, ""},
  };
  int round = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell);
    const std::string folder = "case" + std::to_string(round++) + "/映像〜";
    for (const char* file : c.files) dir_.Write(folder + "/" + file, "x");
    AddRow(dir_.path() + "/" + folder.substr(0, folder.find('/')) + "/映像～",
           c.cell);  // a look-alike folder
    const RowFile file = ResolveRowFile(0);
    EXPECT_EQ(file.status, c.status);
    EXPECT_EQ(file.path, *c.found ? dir_.path() + "/" + folder + "/" + c.found : "");
    ListDeleteAll();
  }
}

TEST_F(RowFilePathTest, KeptPathsMisalignedRowsAndMissingFolders) {
  const std::string real = dir_.Write("m/a.avi", "x");
  AddRow(dir_.path() + "/m", "a.avi");
  ListSetRowPath(0, "/kept/b.avi");  // a scanned row: its kept path, as it is
  EXPECT_EQ(ResolveRowFile(0).path, "/kept/b.avi");
  ListSetRowPath(0, "");
  EXPECT_EQ(ResolveRowFile(0).path, real);
  ListSetRowMisaligned(0, true);
  EXPECT_EQ(ResolveRowFile(0).status, RowFileStatus::kMisaligned);
  EXPECT_EQ(ResolveRowFile(0).path, "");

  AddRow("", "a.avi");  // a short line: no folder, no file
  EXPECT_EQ(ResolveRowFile(0).status, RowFileStatus::kMissing);
  ShowOnlyColumns({});
  AddRow("", "a.avi");
  EXPECT_EQ(ResolveRowFile(0).status, RowFileStatus::kMissing);
}

}  // namespace
