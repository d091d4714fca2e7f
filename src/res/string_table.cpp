#include "res/string_table.h"

#include <map>

#include "platform/cp932.h"

std::string LoadResourceString(int id) {
  static const std::map<int, std::string> kTable = {
      {10, Utf8ToCp932("新規作成")},  {11, Utf8ToCp932("ﾌｧｲﾙを開く")}, {12, Utf8ToCp932("名前をつけて保存")},
      {13, Utf8ToCp932("ﾏﾆｭｱﾙｽｷｬﾝ")}, {14, Utf8ToCp932("切り取り")},   {15, Utf8ToCp932("ｺﾋﾟｰ")},
      {16, Utf8ToCp932("張り付け")},  {17, Utf8ToCp932("検索")},       {18, Utf8ToCp932("ｶｽﾀﾏｲｽﾞ")},
  };
  auto found = kTable.find(id);
  return found == kTable.end() ? std::string() : found->second;
}
