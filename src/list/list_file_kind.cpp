#include "list/list_file_kind.h"

#include "platform/cp932.h"

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view lower_suffix) {
  if (text.size() < lower_suffix.size()) return false;
  std::string_view tail = text.substr(text.size() - lower_suffix.size());
  for (size_t i = 0; i < tail.size(); ++i) {
    char c = tail[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lower_suffix[i]) return false;
  }
  return true;
}

}  // namespace

ListFileKind ListFileKindOfName(std::string_view name) {
  if (EndsWithIgnoringCase(name, "txt")) return kListFileTxt;
  if (EndsWithIgnoringCase(name, "csv")) return kListFileCsv;
  if (EndsWithIgnoringCase(name, "htm") || EndsWithIgnoringCase(name, ".html")) return kListFileHtml;
  return kListFileRefused;
}

std::string RefusedListFileCaption() {
  static const std::string kCaption = Utf8ToCp932("保存失敗");
  return kCaption;
}

std::string RefusedListFileText() {
  static const std::string kText = Utf8ToCp932("TXT・CSV・HTM形式以外では保存できません");
  return kText;
}
