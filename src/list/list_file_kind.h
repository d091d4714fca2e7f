#pragma once
// The list file formats and how a file name chooses one.
#include <string>
#include <string_view>

enum ListFileKind { kListFileRefused = -1, kListFileTxt = 0, kListFileCsv = 1, kListFileHtml = 2 };

// The format a file name asks for: its last three characters TXT, CSV or HTM in any letter case; a name
// ending in ".html" in any letter case is HTML. Any other name is kListFileRefused: nothing may be saved
// under it.
ListFileKind ListFileKindOfName(std::string_view name);

// What the user is told when a name is refused: the caption "保存失敗" and the text
// "TXT・CSV・HTM形式以外では保存できません" (CP932).
std::string RefusedListFileCaption();
std::string RefusedListFileText();
