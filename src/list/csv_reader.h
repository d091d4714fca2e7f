#pragma once
// Loading a CSV list file back into the row store.
#include <string>
#include <vector>

enum CsvReadCode {
  kCsvLoaded = 0,
  kCsvCategoryCountMismatch = 1,  // empty or unopenable file, or a header with another field count
  kCsvCategoryItemMismatch = 2,   // a header field is not the file label of the column shown there
};

// Reads the file (CsvTextAsCp932, ForEachCsvLine), checks that the header line names the shown columns in
// display order (ASCII letters compared without case), then inserts one row per data line at the top,
// in file order, with row keys 0, 1, 2... (ListInsertRows: observers see one reset); a short line leaves its
// last cells empty, an empty line gives an empty row, fields beyond the last column are dropped. The rows of
// misaligned lines are marked (ListRowMisaligned) and their file line numbers added to misaligned_lines when
// it is given. A refused file adds nothing.
CsvReadCode ReadCsvListFile(const std::string& path, std::vector<int>* misaligned_lines = nullptr);

// The message box caption and text of a refusal, CP932: "CSVﾃﾞｰﾀ読み込み失敗 [ｶﾃｺﾞﾘ数不一致]" (code 1)
// or "[ｶﾃｺﾞﾘ項目不一致]" (code 2) with the "...読み込みに失敗しました ｴﾗｰｺｰﾄﾞ%d" text.
std::string CsvReadErrorCaption(CsvReadCode code);
std::string CsvReadErrorText(CsvReadCode code);
