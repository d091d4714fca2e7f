#include "settings/settings_dialog_values.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "scan/core_state_reset.h"
#include "settings/settings.h"
#include "support/temp_dir.h"

namespace {

class SettingsDialogValuesTest : public testing::Test {
 protected:
  void TearDown() override { ResetCoreStateForTesting(); }
  std::string UseFile(const std::string& content) {
    path_ = dir_.Write("dorirovo.ini", content);
    UseSettingsFileForTesting(path_);
    LoadSettings();
    return path_;
  }
  std::string Key(const char* section, const char* key) { return ReadSettingText(section, key, "-", 300); }

  TempDir dir_;
  std::string path_;
  const std::string gothic_ = Utf8ToCp932("ＭＳ Ｐゴシック");
  const std::vector<std::string> faces_ = {"IPAGothic", gothic_, "IPAMincho"};
};

// Reset then OK on an empty file: every key in the order OK writes it, exactly six boxes on, the default
// face and size 12, and the folder and colours as they were.
TEST_F(SettingsDialogValuesTest, ResetThenOkWritesEveryKeyInOrder) {
  UseFile("");
  SettingsDialogValues values = ReadSettingsDialogValues(faces_);
  values.AutoScan = "/srv/movies";
  values.MainFontType = "IPAMincho";
  values.MainFontSize = "20";
  values.MainColor = 0x0000ff;
  values.ListBkColor = 0x00ff00;
  ResetSettingsDialog(values, faces_);
  ASSERT_TRUE(StoreSettingsDialog(values));
  EXPECT_EQ(ReadWholeFile(path_),
            "[Customize]\r\nFileSizeBT=0\r\nFileSizeKB=1\r\nFileSizeMB=0\r\nMovieTitle=1\r\nMoveInfo=0\r\n"
            "AudioInfo=0\r\nVideoRate=0\r\nAudioRate=0\r\nFlameRate=0\r\nResolusion=1\r\nPlayTime=1\r\n"
            "Creater=0\r\nJanle=0\r\nComment=0\r\nDirPath=1\r\nVolLabel=0\r\nListClear=0\r\nSizeInfo=1\r\n"
            "AutoScan=/srv/movies\r\nMainColor=0xff\r\nListFoColor=0x0\r\nListBkColor=0xff00\r\n"
            "[WindowFonts]\r\nMainFontSize=12\r\nListFontSize=12\r\nMainFontType=" +
                gothic_ + "\r\nListFontType=" + gothic_ + "\r\nEditFontType=\r\n");
  const SettingsRecord& s = Settings();
  EXPECT_EQ(s.ListClear, 0);
  EXPECT_EQ(s.SizeInfo, 1);
  EXPECT_EQ(s.AutoScan, "/srv/movies");
  EXPECT_EQ(s.MainFontType + s.MainFontSize, gothic_ + "12");
  EXPECT_EQ(s.MainColor, 0xffu);
  EXPECT_EQ(s.ListBkColor, 0xff00u);
}

TEST_F(SettingsDialogValuesTest, ResetKeepsTheFacesWhenTheDefaultFaceIsNotListed) {
  UseFile("[WindowFonts]\r\nMainFontType=IPAMincho\r\nListFontType=Removed Font\r\n");
  SettingsDialogValues values = ReadSettingsDialogValues({"IPAGothic", "IPAMincho"});
  EXPECT_EQ(values.MainFontType, "IPAMincho");
  EXPECT_EQ(values.ListFontType, "") << "a face that is not listed opens without selection";
  ResetSettingsDialog(values, {"IPAGothic", "IPAMincho"});
  EXPECT_EQ(values.MainFontType, "IPAMincho");
  ASSERT_TRUE(StoreSettingsDialog(values));
  EXPECT_EQ(Key(kWindowFonts, "ListFontType"), "");
  EXPECT_EQ(Settings().ListFontType, "");
}

TEST(JapaneseFaceList, EachStorableFaceOnceInPlatformOrder) {
  const std::string kanji_face = "IPA明朝";
  const std::vector<std::string> faces =
      JapaneseFaceList({"IPAGothic", "@IPAGothic", kanji_face, "IPAGothic", "", "Emoji \xF0\x9F\x98\x80",
                        std::string(31, 'x'), std::string(32, 'y')});
  EXPECT_EQ(faces, (std::vector<std::string>{"IPAGothic", Utf8ToCp932(kanji_face), std::string(31, 'x')}));
  EXPECT_EQ(ListedFace(faces, "IPAGothic"), "IPAGothic");
  EXPECT_EQ(ListedFace(faces, "ipagothic"), "") << "faces match byte for byte";
}

TEST(FacesWithStoredFaces, StoredFacesFollowThePlatformFacesOnce) {
  const std::string gothic = Utf8ToCp932("ＭＳ Ｐゴシック");
  EXPECT_EQ(FacesWithStoredFaces({"IPAGothic", "IPAMincho"}, {gothic, gothic}),
            (std::vector<std::string>{"IPAGothic", "IPAMincho", gothic}))
      << "both lists storing the same missing face offer it once";
  EXPECT_EQ(FacesWithStoredFaces({"IPAGothic"}, {"", "IPAGothic"}), (std::vector<std::string>{"IPAGothic"}))
      << "an empty or installed face adds nothing";
  EXPECT_EQ(FacesWithStoredFaces({}, {"Removed Font", gothic}),
            (std::vector<std::string>{"Removed Font", gothic}))
      << "without any Japanese family";
  const std::vector<std::string> faces = FacesWithStoredFaces({"IPAGothic"}, {"Removed Font"});
  EXPECT_EQ(ListedFace(faces, "Removed Font"), "Removed Font");
}

}  // namespace
