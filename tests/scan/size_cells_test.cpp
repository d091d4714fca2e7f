#include "scan/size_cells.h"

#include <gtest/gtest.h>

namespace {

TEST(SizeCells, BytesMegabytesAndKilobytes) {
  struct Row {
    int64_t size;
    const char* bytes;
    const char* mb;
    const char* kb;
  };
  const Row rows[] = {
      {0, "0", "0.00", "0"},
      {700, "700", "0.00", "0"},
      {5000000, "5,000,000", "4.77", "4,882"},
      // The change from two decimals to one: 9.99 is the last two-decimal text.
      {10475274, "10,475,274", "9.99", "10,229"},
      {10475275, "10,475,275", "10.0", "10,229"},
      {734003200, "734,003,200", "700.0", "716,800"},
      // Sizes of 2 GiB and more are shown in full, never wrapped.
      {2147483648LL, "2,147,483,648", "2048.0", "2,097,152"},
      {3221225472LL, "3,221,225,472", "3072.0", "3,145,728"},
      {1099511627776LL, "1,099,511,627,776", "1048576.0", "1,073,741,824"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.size);
    EXPECT_EQ(SizeBytesCell(row.size), row.bytes);
    EXPECT_EQ(SizeMBCell(row.size, false), row.mb);
    EXPECT_EQ(SizeKBCell(row.size, false), row.kb);
  }
}

TEST(SizeCells, UnitsFollowTheNumber) {
  EXPECT_EQ(SizeMBCell(734003200, true), "700.0MB");
  EXPECT_EQ(SizeKBCell(734003200, true), "716,800KB");
  EXPECT_EQ(SizeMBCell(5000000, true), "4.77MB");
}

}  // namespace
