#include "list/list_file_kind.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace {

TEST(ListFileKindOfName, LastThreeCharactersOrDotHtml) {
  const struct {
    const char* name;
    ListFileKind kind;
  } cases[] = {
      {"list.txt", kListFileTxt},    {"LIST.TXT", kListFileTxt},      {"listtxt", kListFileTxt},
      {"a.csv", kListFileCsv},       {"a.CsV", kListFileCsv},         {"a.htm", kListFileHtml},
      {"a.HTM", kListFileHtml},      {"a.html", kListFileHtml},       {"A.HTML", kListFileHtml},
      {"a.xhtml", kListFileRefused}, {"a.doc", kListFileRefused},     {"a", kListFileRefused},
      {"", kListFileRefused},        {"a.txt.bak", kListFileRefused},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ListFileKindOfName(c.name), c.kind);
  }
  EXPECT_EQ(Cp932ToUtf8(RefusedListFileCaption() + RefusedListFileText()),
            "保存失敗TXT・CSV・HTM形式以外では保存できません");
}

}  // namespace
