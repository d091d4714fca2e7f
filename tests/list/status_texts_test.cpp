#include "list/status_texts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(StatusTexts, ObserverHearsEveryPartAndResetRestoresTheInitialTexts) {
  std::vector<int> heard;
  SetStatusObserver([&heard](int part) { heard.push_back(part); });
  SetStatusText(0, "File 3 Reading...");
  SetStatusText(4, "ignored");
  SetStatusText(-1, "ignored");
  SetListSummaryText("3file(s)");
  EXPECT_EQ(StatusText(0), "File 3 Reading...");
  EXPECT_EQ(StatusText(4), "");
  EXPECT_EQ(ListSummaryText(), "3file(s)");
  EXPECT_EQ(heard, std::vector<int>{0});

  heard.clear();
  ResetStatusTexts();
  EXPECT_EQ(heard, (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(StatusText(0), "Non Scanning...");
  EXPECT_EQ(StatusText(1), "DiskMax: Non Scan");
  EXPECT_EQ(StatusText(2), "DiskFree: Non Scan");
  EXPECT_EQ(StatusText(3), "Per:Non");
  EXPECT_EQ(ListSummaryText(), "Non Scanning...");
  SetStatusObserver(nullptr);
}

}  // namespace
