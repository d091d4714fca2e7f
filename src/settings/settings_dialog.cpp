#include "settings/settings_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/colour_chooser.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "settings/settings.h"

namespace {

constexpr ControlTemplate kCheckBoxes[] = {
    {kSettingsShowSizeBytes, "ﾌｧｲﾙｻｲｽﾞ(Byte)", {10, 15, 65, 10}},
    {kSettingsShowSizeKb, "ﾌｧｲﾙｻｲｽﾞ(KB)", {10, 25, 60, 10}},
    {kSettingsShowSizeMb, "ﾌｧｲﾙｻｲｽﾞ(MB)", {10, 35, 61, 10}},
    {kSettingsShowTitle, "ﾀｲﾄﾙ", {10, 45, 31, 10}},
    {kSettingsShowVideoFormat, "動画形式", {10, 55, 43, 10}},
    {kSettingsShowAudioFormat, "音声形式", {10, 65, 43, 10}},
    {kSettingsShowVideoRate, "動画ﾚｰﾄ", {10, 75, 42, 10}},
    {kSettingsShowAudioRate, "音声ﾚｰﾄ", {10, 85, 42, 10}},
    {kSettingsShowFrameRate, "ﾌﾚｰﾑ(fps)", {75, 15, 47, 10}},
    {kSettingsShowResolution, "動画解像度", {75, 25, 50, 10}},
    {kSettingsShowPlayTime, "再生時間", {75, 35, 43, 10}},
    {kSettingsShowCreator, "著作権", {75, 45, 37, 10}},
    {kSettingsShowGenre, "ｼﾞｬﾝﾙ", {75, 55, 34, 10}},
    {kSettingsShowComment, "ｺﾒﾝﾄ", {75, 65, 30, 10}},
    {kSettingsShowFolder, "ﾃﾞｨﾚｸﾄﾘﾊﾟｽ", {75, 75, 50, 10}},
    {kSettingsShowVolumeLabel, "ﾎﾞﾘｭｰﾑﾗﾍﾞﾙ", {75, 85, 46, 10}},
    {kSettingsClearListOnScan, "新規ﾃﾞｰﾀｽｷｬﾝ時にﾘｽﾄをｸﾘｱする", {14, 125, 109, 10}},
    {kSettingsSizeUnitsInItems, "ｱｲﾃﾑ欄の容量表示にKB/MBを付加する", {136, 125, 130, 10}},
};

constexpr TextTemplate kTexts[] = {
    {true, "表示・出力する項目", {5, 5, 121, 105}},
    {false, "次回起動時から設定が反映されます", {15, 97, 107, 8}},
    {true, "新規作成", {5, 115, 121, 25}},
    {true, "ｵｰﾄｽｷｬﾆﾝｸﾞﾊﾟｽ", {5, 145, 148, 27}},
    {true, "ﾌｫﾝﾄ設定", {130, 5, 142, 76}},
    {false, "ﾒｲﾝｳｲﾝﾄﾞｳのﾌｫﾝﾄ", {135, 20, 56, 8}},
    {false, "ｻｲｽﾞ", {210, 20, 16, 8}},
    {false, "文字色", {230, 20, 22, 8}},
    {false, "ﾘｽﾄｳｲﾝﾄﾞｳのﾌｫﾝﾄ", {135, 50, 56, 8}},
    {false, "ｻｲｽﾞ", {210, 50, 16, 8}},
    {false, "文字色", {230, 50, 22, 8}},
    {true, "背景色", {131, 85, 142, 25}},
    {false, "ﾘｽﾄｳｲﾝﾄﾞｳ背景色", {135, 95, 55, 8}},
    {true, "ｱｲﾃﾑ覧表示", {131, 115, 141, 25}},
};

constexpr ControlTemplate kButtons[] = {
    {kSettingsBrowseAutoScanFolder, "参照", {125, 155, 25, 13}},
    {kSettingsChooseMainColor, "参照", {247, 30, 20, 15}},
    {kSettingsChooseListTextColor, "参照", {247, 60, 20, 15}},
    {kSettingsChooseListBackColor, "参照", {242, 93, 25, 13}},
    {kSettingsReset, "ﾘｾｯﾄ", {160, 155, 35, 15}},
    {kSettingsOk, "OK", {200, 155, 35, 15}},
    {kSettingsCancel, "ｷｬﾝｾﾙ", {240, 155, 35, 15}},
};

// The auto-scan folder is stored as CP932: a name it cannot hold would be stored with "?" and never
// found again, so it is refused and the folder field keeps its value.
bool AutoScanFolderStorable(const std::string& folder) {
  const QString name = QFile::decodeName(folder.c_str());
  const QString lacking = CharactersCp932Lacks(name);
  if (lacking.isEmpty()) return true;
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = QStringLiteral("ｵｰﾄｽｷｬﾝﾊﾟｽ設定ｴﾗｰ");
  request.text = QStringLiteral(
                     "%1\nﾌｫﾙﾀﾞ名に保存できない文字 (%2) が含まれています\n"
                     "ｵｰﾄｽｷｬﾝﾊﾟｽには設定できません")
                     .arg(name, lacking);
  RunMessageBox(request);
  return false;
}

}  // namespace

SettingsDialog::SettingsDialog(QWidget* owner, std::function<std::string()> browse_scan_folder)
    : QDialog(owner, kTemplateDialogFlags), browse_scan_folder_(std::move(browse_scan_folder)) {
  setObjectName("DIALOG1");
  setWindowTitle(QStringLiteral("動作設定"));
  CreateControls();
  InitSettingsDialog();
}

void SettingsDialog::CreateControls() {
  const DialogUnits units(this, 279, 179);
  PlaceTemplateTexts(this, units, kTexts);
  for (const ControlTemplate& box : kCheckBoxes) {
    units.Place(new QCheckBox(QString::fromUtf8(box.text), this), box.id, box.rect);
  }
  auto* folder = new QLineEdit(this);
  units.Place(folder, kSettingsAutoScanFolder, 10, 155, 113, 12);
  const auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  for (int id : {kSettingsMainFontFace, kSettingsListFontFace}) {
    auto* faces = new QComboBox(this);
    faces->setEditable(false);
    units.Place(faces, id, 135, id == kSettingsMainFontFace ? 30 : 60, 75, 13);
  }
  for (int id : {kSettingsMainFontSize, kSettingsListFontSize}) {
    auto* size = new QLineEdit(this);
    size->setValidator(digits);
    units.Place(size, id, 210, id == kSettingsMainFontSize ? 30 : 60, 18, 13);
  }
  units.Place(CreateColourSwatch(this), kSettingsMainColorSwatch, 230, 30, 15, 15);
  units.Place(CreateColourSwatch(this), kSettingsListTextColorSwatch, 230, 60, 15, 15);
  units.Place(CreateColourSwatch(this), kSettingsListBackColorSwatch, 193, 93, 46, 13);
  for (const ControlTemplate& button : kButtons) {
    auto* push = AddTemplateButton(this, units, QString::fromUtf8(button.text), button.id, button.rect);
    push->setDefault(button.id == kSettingsOk);
    connect(push, &QPushButton::clicked, this, [this, id = button.id] { SettingsDialogCommand(id); });
  }
  SetTemplateTabOrder(this, {kSettingsShowSizeBytes,
                             kSettingsShowSizeKb,
                             kSettingsShowSizeMb,
                             kSettingsShowTitle,
                             kSettingsShowVideoFormat,
                             kSettingsShowAudioFormat,
                             kSettingsShowVideoRate,
                             kSettingsShowAudioRate,
                             kSettingsShowFrameRate,
                             kSettingsShowResolution,
                             kSettingsShowPlayTime,
                             kSettingsShowCreator,
                             kSettingsShowGenre,
                             kSettingsShowComment,
                             kSettingsShowFolder,
                             kSettingsShowVolumeLabel,
                             kSettingsClearListOnScan,
                             kSettingsSizeUnitsInItems,
                             kSettingsAutoScanFolder,
                             kSettingsBrowseAutoScanFolder,
                             kSettingsMainFontFace,
                             kSettingsMainFontSize,
                             kSettingsChooseMainColor,
                             kSettingsListFontFace,
                             kSettingsListFontSize,
                             kSettingsChooseListTextColor,
                             kSettingsChooseListBackColor,
                             kSettingsReset,
                             kSettingsOk,
                             kSettingsCancel});
}

void SettingsDialog::InitSettingsDialog() {
  std::vector<std::string> families;
  for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese)) {
    families.push_back(family.toStdString());
  }
  faces_ =
      FacesWithStoredFaces(JapaneseFaceList(families), {Settings().MainFontType, Settings().ListFontType});
  for (int id : {kSettingsMainFontFace, kSettingsListFontFace}) {
    auto* list = DialogControl<QComboBox>(this, id);
    for (const std::string& face : faces_) list->addItem(ToQString(face));
  }
  ShowValues(ReadSettingsDialogValues(faces_));
}

void SettingsDialog::ShowValues(const SettingsDialogValues& values) {
  for (size_t i = 0; i < kSettingsCheckBoxes.size(); ++i) {
    DialogControl<QCheckBox>(this, kSettingsCheckBoxes[i].id)->setChecked(values.checked[i]);
  }
  DialogControl<QLineEdit>(this, kSettingsAutoScanFolder)->setText(ToQString(values.AutoScan));
  const auto select_face = [this](int id, const std::string& face) {
    const auto listed = std::find(faces_.begin(), faces_.end(), face);
    DialogControl<QComboBox>(this, id)->setCurrentIndex(
        listed == faces_.end() || face.empty() ? -1 : static_cast<int>(listed - faces_.begin()));
  };
  select_face(kSettingsMainFontFace, values.MainFontType);
  select_face(kSettingsListFontFace, values.ListFontType);
  DialogControl<QLineEdit>(this, kSettingsMainFontSize)->setText(ToQString(values.MainFontSize));
  DialogControl<QLineEdit>(this, kSettingsListFontSize)->setText(ToQString(values.ListFontSize));
  main_color_ = values.MainColor;
  list_fo_color_ = values.ListFoColor;
  list_bk_color_ = values.ListBkColor;
  PaintSwatches();
}

SettingsDialogValues SettingsDialog::CurrentValues() const {
  SettingsDialogValues values;
  for (size_t i = 0; i < kSettingsCheckBoxes.size(); ++i) {
    values.checked[i] = DialogControl<QCheckBox>(this, kSettingsCheckBoxes[i].id)->isChecked();
  }
  values.AutoScan = FromQString(DialogControl<QLineEdit>(this, kSettingsAutoScanFolder)->text());
  values.MainFontSize = FromQString(DialogControl<QLineEdit>(this, kSettingsMainFontSize)->text());
  values.ListFontSize = FromQString(DialogControl<QLineEdit>(this, kSettingsListFontSize)->text());
  const auto selected_face = [this](int id) {
    const int index = DialogControl<QComboBox>(this, id)->currentIndex();
    return index >= 0 && index < static_cast<int>(faces_.size()) ? faces_[index] : std::string();
  };
  values.MainFontType = selected_face(kSettingsMainFontFace);
  values.ListFontType = selected_face(kSettingsListFontFace);
  values.MainColor = main_color_;
  values.ListFoColor = list_fo_color_;
  values.ListBkColor = list_bk_color_;
  return values;
}

void SettingsDialog::SettingsDialogCommand(int id) {
  switch (id) {
    case kSettingsChooseMainColor:
      main_color_ = ChooseColor(this, ColorChooserOwner::kSettingsDialog, main_color_);
      break;
    case kSettingsChooseListTextColor:
      list_fo_color_ = ChooseColor(this, ColorChooserOwner::kSettingsDialog, list_fo_color_);
      break;
    case kSettingsChooseListBackColor:
      list_bk_color_ = ChooseColor(this, ColorChooserOwner::kSettingsDialog, list_bk_color_);
      break;
    case kSettingsBrowseAutoScanFolder: {
      const std::string folder = browse_scan_folder_();
      if (folder != "Err" && AutoScanFolderStorable(folder))
        DialogControl<QLineEdit>(this, kSettingsAutoScanFolder)->setText(QString::fromStdString(folder));
      break;
    }
    case kSettingsReset: {
      SettingsDialogValues values = CurrentValues();
      ResetSettingsDialog(values, faces_);
      ShowValues(values);
      break;
    }
    case kSettingsOk:
      StoreSettingsDialog(CurrentValues());
      accept();
      break;
    case kSettingsCancel:
      reject();
      break;
  }
  PaintSwatches();
}

void SettingsDialog::PaintSwatches() {
  PaintColourSwatch(this, kSettingsMainColorSwatch, main_color_);
  PaintColourSwatch(this, kSettingsListTextColorSwatch, list_fo_color_);
  PaintColourSwatch(this, kSettingsListBackColorSwatch, list_bk_color_);
}
