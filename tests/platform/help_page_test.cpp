#include "platform/help_page.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

TEST(HelpPage, FoundInTheSourceTreeWhenNotInstalled) {
  std::string path = HelpPagePath();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(ReadWholeFile(path).find("Tessaroll"), std::string::npos);
}
