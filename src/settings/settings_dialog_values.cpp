#include "settings/settings_dialog_values.h"

#include <algorithm>

#include "platform/cp932.h"
#include "settings/edit_text.h"
#include "settings/settings.h"

const std::array<SettingsCheckBox, 18> kSettingsCheckBoxes = {{
    {kSettingsShowSizeBytes, "FileSizeBT"},
    {kSettingsShowSizeKb, "FileSizeKB"},
    {kSettingsShowSizeMb, "FileSizeMB"},
    {kSettingsShowTitle, "MovieTitle"},
    {kSettingsShowVideoFormat, "MoveInfo"},
    {kSettingsShowAudioFormat, "AudioInfo"},
    {kSettingsShowVideoRate, "VideoRate"},
    {kSettingsShowAudioRate, "AudioRate"},
    {kSettingsShowFrameRate, "FlameRate"},
    {kSettingsShowResolution, "Resolusion"},
    {kSettingsShowPlayTime, "PlayTime"},
    {kSettingsShowCreator, "Creater"},
    {kSettingsShowGenre, "Janle"},
    {kSettingsShowComment, "Comment"},
    {kSettingsShowFolder, "DirPath"},
    {kSettingsShowVolumeLabel, "VolLabel"},
    {kSettingsClearListOnScan, "ListClear"},
    {kSettingsSizeUnitsInItems, "SizeInfo"},
}};

namespace {

// Sizes of the record fields the edits are read into.
constexpr size_t kAutoScanCapacity = 256;
constexpr size_t kFontSizeCapacity = 4;
constexpr size_t kFaceCapacity = 32;

constexpr int kResetChecked[] = {kSettingsShowSizeKb,   kSettingsShowTitle,  kSettingsShowResolution,
                                 kSettingsShowPlayTime, kSettingsShowFolder, kSettingsSizeUnitsInItems};

bool Checked(const SettingsDialogValues& values, int id) {
  return values.checked[SettingsCheckBoxIndex(id)];
}

}  // namespace

int SettingsCheckBoxIndex(int id) {
  for (size_t i = 0; i < kSettingsCheckBoxes.size(); ++i) {
    if (kSettingsCheckBoxes[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

SettingsDialogValues ReadSettingsDialogValues(const std::vector<std::string>& faces) {
  const SettingsRecord& record = Settings();
  SettingsDialogValues values;
  for (size_t i = 0; i < kSettingsCheckBoxes.size(); ++i) {
    values.checked[i] = ReadSettingInt(kCustomize, kSettingsCheckBoxes[i].key, 1) == 1;
  }
  // The two list options show what the program runs with, so OK never switches them on unasked.
  values.checked[SettingsCheckBoxIndex(kSettingsClearListOnScan)] = record.ListClear == 1;
  values.checked[SettingsCheckBoxIndex(kSettingsSizeUnitsInItems)] = record.SizeInfo == 1;
  values.AutoScan = record.AutoScan;
  values.MainFontType = ListedFace(faces, record.MainFontType);
  values.ListFontType = ListedFace(faces, record.ListFontType);
  values.MainFontSize = record.MainFontSize;
  values.ListFontSize = record.ListFontSize;
  values.MainColor = ReadSettingColor(kCustomize, "MainColor", "0");
  values.ListFoColor = ReadSettingColor(kCustomize, "ListFoColor", "0");
  values.ListBkColor = ReadSettingColor(kCustomize, "ListBkColor", "0xffffff");
  return values;
}

std::vector<std::string> JapaneseFaceList(const std::vector<std::string>& families) {
  std::vector<std::string> faces;
  for (const std::string& family : families) {
    if (family.empty() || family[0] == '@' || !Cp932CanHold(family)) continue;
    std::string face = Utf8ToCp932(family);
    if (face.size() >= kFaceCapacity) continue;
    if (std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(std::move(face));
  }
  return faces;
}

std::vector<std::string> FacesWithStoredFaces(std::vector<std::string> faces,
                                              const std::vector<std::string>& stored_faces) {
  for (const std::string& face : stored_faces) {
    if (!face.empty() && std::find(faces.begin(), faces.end(), face) == faces.end()) faces.push_back(face);
  }
  return faces;
}

std::string ListedFace(const std::vector<std::string>& faces, std::string_view face) {
  return std::find(faces.begin(), faces.end(), face) != faces.end() ? std::string(face) : std::string();
}

void ResetSettingsDialog(SettingsDialogValues& values, const std::vector<std::string>& faces) {
  static const std::string kDefaultFace = Utf8ToCp932("ＭＳ Ｐゴシック");
  values.checked.fill(false);
  for (int id : kResetChecked) values.checked[SettingsCheckBoxIndex(id)] = true;
  if (!ListedFace(faces, kDefaultFace).empty()) {
    values.MainFontType = kDefaultFace;
    values.ListFontType = kDefaultFace;
  }
  values.MainFontSize = "12";
  values.ListFontSize = "12";
}

bool StoreSettingsDialog(const SettingsDialogValues& values) {
  SettingsRecord& record = Settings();
  bool stored = true;
  record.ListClear = Checked(values, kSettingsClearListOnScan) ? 1 : 0;
  record.SizeInfo = Checked(values, kSettingsSizeUnitsInItems) ? 1 : 0;
  for (size_t i = 0; i < kSettingsCheckBoxes.size(); ++i) {
    stored &= WriteSettingText(kCustomize, kSettingsCheckBoxes[i].key, values.checked[i] ? "1" : "0");
  }
  record.AutoScan = CutEditText(values.AutoScan, kAutoScanCapacity);
  stored &= WriteSettingText(kCustomize, "AutoScan", record.AutoScan);
  record.MainFontSize = CutEditText(values.MainFontSize, kFontSizeCapacity);
  record.ListFontSize = CutEditText(values.ListFontSize, kFontSizeCapacity);
  stored &= WriteSettingText(kWindowFonts, "MainFontSize", record.MainFontSize);
  stored &= WriteSettingText(kWindowFonts, "ListFontSize", record.ListFontSize);
  record.MainFontType = CutEditText(values.MainFontType, kFaceCapacity);
  record.ListFontType = CutEditText(values.ListFontType, kFaceCapacity);
  stored &= WriteSettingText(kWindowFonts, "MainFontType", record.MainFontType);
  stored &= WriteSettingText(kWindowFonts, "ListFontType", record.ListFontType);
  stored &= WriteSettingText(kWindowFonts, "EditFontType", "");
  record.MainColor = values.MainColor;
  record.ListFoColor = values.ListFoColor;
  record.ListBkColor = values.ListBkColor;
  stored &= WriteSettingColor(kCustomize, "MainColor", record.MainColor);
  stored &= WriteSettingColor(kCustomize, "ListFoColor", record.ListFoColor);
  stored &= WriteSettingColor(kCustomize, "ListBkColor", record.ListBkColor);
  return stored;
}
