// A list saved by the batch command, edited, passed through LibreOffice Calc (headless, when it is
// installed) and written back into the AVI files: exactly the edited tags reach exactly their files.
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "support/riff_builder.h"
#include "support/run_program.h"
#include "support/shown_columns.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::string FindOnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  for (std::string rest = path ? path : ""; !rest.empty();) {
    const size_t colon = rest.find(':');
    const std::string candidate = rest.substr(0, colon) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
  }
  return "";
}

ProgramResult Cli(const std::vector<std::string>& arguments) {
  return RunProgram(TESSAROLL_CLI_PATH, arguments);
}

// Calc's CSV filter: comma, double quote, the character set (64 Shift-JIS, 76 UTF-8), from line 1.
std::string CalcCsvFilter(int character_set) {
  return "Text - txt - csv (StarCalc):44,34," + std::to_string(character_set) + ",1";
}

TEST(WriteTagsSpreadsheet, ListThroughCalcWritesExactlyTheEditedTags) {
  const std::string soffice = FindOnPath("soffice");
  if (soffice.empty()) GTEST_SKIP() << "LibreOffice Calc (soffice) is not installed";
  TempDir dir;
  const std::string settings =
      dir.Write("dorirovo.ini", ShownColumnsIni({kColSizeBytes, kColSizeMB, kColTitle, kColPlayTime,
                                                 kColCreator, kColComment, kColFolder}));
  const std::string tree = dir.path() + "/tree";
  AviSpec spec;
  spec.movie_bytes = 45000;  // a size of five digits, which Calc shows without its comma
  dir.Write("tree/a.avi", AviFile(spec));
  dir.Write("tree/波〜.avi", AviFile({}));
  const std::string untouched = dir.Write("tree/b.avi", AviFile({}));
  const std::string list = dir.path() + "/list.csv";
  ASSERT_EQ(Cli({"-s", settings, "-o", list, tree}).exit_code, 0);
  // The user's edits: a title with a comma for a.avi, a creator for the wave-dash name.
  std::string csv = Cp932ToUtf8(ReadWholeFile(list));
  const std::string a_row = "\"a.avi\",\"";
  const size_t a = csv.find(a_row);
  ASSERT_NE(a, std::string::npos) << csv;
  const size_t title = csv.find("\",\"\",\"", a + a_row.size()) + 3;  // after the two size cells
  csv.insert(title, "新しい題, 第2話");
  const std::string wave_row = "\"" + Cp932ToUtf8(Utf8ToCp932("波〜.avi")) + "\"";
  const size_t wave = csv.find(wave_row);
  ASSERT_NE(wave, std::string::npos);
  const size_t creator = csv.find("\",\"\",\"", csv.find("\",\"\",\"", wave + wave_row.size()) + 3) + 3;
  csv.insert(creator, "監督〜");
  dir.Write("edited.csv", Utf8ToCp932(csv));
  // The tags as a fresh list shows them; CP932 has one form for 〜 and ～.
  const std::string tags =
      dir.Write("tags.ini", ShownColumnsIni({kColTitle, kColCreator, kColComment, kColFolder}));
  const std::string folder = "\",\"" + tree + "\"\r\n";
  const std::string expected = Utf8ToCp932(
      "\"ファイル名\",\"タイトル\",\"著作権\",\"コメント\",\"ディレクトリパス\"\r\n"
      "\"a.avi\",\"新しい題, 第2話\",\"\",\"" +
      folder + "\"b.avi\",\"\",\"\",\"" + folder + "\"波〜.avi\",\"\",\"監督〜\",\"" + folder);

  for (int character_set : {64, 76}) {
    SCOPED_TRACE(character_set);
    const std::string out = dir.path() + "/calc" + std::to_string(character_set);
    ProgramResult calc = RunProgram(
        soffice, {"--headless", "-env:UserInstallation=file://" + dir.path() + "/profile",
                  "--infilter=" + CalcCsvFilter(64), "--convert-to", "csv:" + CalcCsvFilter(character_set),
                  "--outdir", out, dir.path() + "/edited.csv"});
    ASSERT_EQ(calc.exit_code, 0) << calc.err;
    ASSERT_TRUE(fs::exists(out + "/edited.csv")) << calc.out << calc.err;
    ProgramResult written = Cli({"-s", settings, "-i", out + "/edited.csv", "--write-tags"});
    EXPECT_EQ(written.exit_code, 0) << written.err;
    EXPECT_EQ(written.err, "");
    ASSERT_EQ(Cli({"-s", tags, "-o", dir.path() + "/again.csv", tree}).exit_code, 0);
    EXPECT_EQ(ReadWholeFile(dir.path() + "/again.csv"), expected);
    EXPECT_EQ(ReadWholeFile(untouched), AviFile({}));  // no other file changes
  }
}

}  // namespace
