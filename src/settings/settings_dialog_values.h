#pragma once
// What the settings dialog DIALOG1 shows and stores, apart from its widgets: the eighteen check boxes
// and their keys in section Customize, the faces offered in its two font lists, the reset values and
// the writes of OK. Texts are CP932 bytes.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_dialog_ids.h"

struct SettingsCheckBox {
  int id;           // control id
  const char* key;  // key in section Customize
};

// The sixteen column boxes (kSettingsShowSizeBytes to kSettingsShowVolumeLabel), then ListClear and
// SizeInfo: the order OK writes them.
extern const std::array<SettingsCheckBox, 18> kSettingsCheckBoxes;

struct SettingsDialogValues {
  std::array<bool, 18> checked{};          // by position in kSettingsCheckBoxes
  std::string AutoScan;                    // the folder edit, as it stands
  std::string MainFontSize, ListFontSize;  // the size edits, as they stand
  std::string MainFontType, ListFontType;  // the faces selected in the font lists; empty when none is
  uint32_t MainColor = 0, ListFoColor = 0, ListBkColor = 0xffffff;  // the working colours
};

// The position of a box in kSettingsCheckBoxes, or -1 for any other id.
int SettingsCheckBoxIndex(int id);

// What the dialog opens with: a column box is checked when its key reads as 1 with default 1; the list
// clearing and size unit boxes show the record's ListClear and SizeInfo, so a file without them opens
// with both unchecked. The
// auto-scan folder, faces and sizes come from the settings record; the colours from Customize (defaults
// "0", "0", "0xffffff"). A face that is not among faces opens with no selection (empty).
SettingsDialogValues ReadSettingsDialogValues(const std::vector<std::string>& faces);

// The faces offered in both font lists, from the platform's Japanese font families (UTF-8), in their
// order: each once, without the vertical-writing faces ("@..."), and without names that CP932 cannot hold
// or that do not fit the 32-byte face field, since such a face could not be stored and found again.
std::vector<std::string> JapaneseFaceList(const std::vector<std::string>& families);

// faces followed by each stored face (CP932) that is not empty and not yet among them, in the order given:
// a stored face the platform lacks (fontconfig substitutes a font for it) is still offered and
// selected, so OK keeps it instead of storing an empty face.
std::vector<std::string> FacesWithStoredFaces(std::vector<std::string> faces,
                                              const std::vector<std::string>& stored_faces);

// face when it is among faces byte for byte, otherwise "" (the list then has no selection).
std::string ListedFace(const std::vector<std::string>& faces, std::string_view face);

// ﾘｾｯﾄ: only the size in KB, title, resolution, play time, folder and size unit boxes checked; both
// faces "ＭＳ Ｐゴシック" when it is listed (otherwise each selection stays); both sizes "12". The folder and
// the colours stay.
void ResetSettingsDialog(SettingsDialogValues& values, const std::vector<std::string>& faces);

// OK. Sets the record's ListClear and SizeInfo (not its column flags), then writes the eighteen boxes
// ("1"/"0", in table order) to Customize; AutoScan (cut to 255 bytes) to the record and Customize;
// the two sizes (cut to three characters: "0123" gives "012") to the record and WindowFonts; the two
// faces to the record and WindowFonts, then an empty EditFontType; the three colours to the record and,
// as colour text, to Customize. False when any key could not be stored.
bool StoreSettingsDialog(const SettingsDialogValues& values);
