#include "settings/html_options_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/colour_chooser.h"
#include "app/dialog_units.h"
#include "app/qt_text.h"
#include "list/text_utils.h"
#include "settings/html_option_groups.h"

namespace {

constexpr TextTemplate kTexts[] = {
    {true, "ﾌﾚｰﾑ外設定", {5, 0, 295, 90}},    {false, "ｷｬﾌﾟｼｮﾝﾀｲﾄﾙ", {10, 10, 41, 8}},
    {false, "ﾄｯﾌﾟﾀｲﾄﾙ", {10, 35, 29, 8}},     {true, "文字配置", {10, 60, 85, 25}},
    {true, "ﾌｫﾝﾄ", {100, 60, 196, 25}},       {false, "ﾌｫﾝﾄｻｲｽﾞ", {105, 71, 31, 8}},
    {false, "ﾌｫﾝﾄｶﾗｰ", {166, 71, 28, 8}},     {true, "背景", {165, 10, 130, 50}},
    {true, "ﾌﾚｰﾑ内設定", {5, 95, 293, 105}},  {true, "ﾄｯﾌﾟｶﾃｺﾞﾘ", {10, 105, 95, 90}},
    {true, "配色", {15, 115, 85, 40}},        {false, "背景色", {21, 127, 22, 8}},
    {false, "文字色", {20, 141, 22, 8}},      {true, "文字配置", {15, 161, 85, 25}},
    {true, "ｱｲﾃﾑｶﾃｺﾞﾘ", {110, 105, 180, 90}}, {true, "配色", {115, 115, 170, 50}},
    {false, "背景色1", {121, 137, 25, 8}},    {false, "文字色1", {120, 151, 25, 8}},
    {false, "背景色2", {200, 136, 25, 8}},    {false, "文字色2", {200, 149, 25, 8}},
    {true, "文字配置", {115, 167, 85, 25}},   {true, "ﾌｫﾝﾄｻｲｽﾞ(ｶﾃｺﾞﾘ共通)", {205, 167, 80, 25}},
    {false, "ﾌｫﾝﾄｻｲｽﾞ", {210, 179, 31, 8}},
};

constexpr ControlTemplate kRadioButtons[] = {
    {kHtmlOuterAlignLeft, "左", {15, 70, 23, 10}},
    {kHtmlOuterAlignCentre, "中央", {40, 70, 30, 10}},
    {kHtmlOuterAlignRight, "右", {70, 70, 23, 10}},
    {kHtmlOuterBackOfColor, "色を変える", {170, 20, 47, 10}},
    {kHtmlOuterBackOfImage, "画像を貼る", {170, 33, 45, 10}},
    {kHtmlTopAlignLeft, "左", {19, 171, 23, 10}},
    {kHtmlTopAlignCentre, "中央", {45, 171, 30, 10}},
    {kHtmlTopAlignRight, "右", {75, 171, 23, 10}},
    {kHtmlItemsOneColor, "全列同じ色にする", {120, 125, 67, 10}},
    {kHtmlItemsAlternateColors, "１列ごとに色を変える", {200, 125, 77, 10}},
    {kHtmlItemAlignLeft, "左", {119, 177, 23, 10}},
    {kHtmlItemAlignCentre, "中央", {145, 177, 30, 10}},
    {kHtmlItemAlignRight, "右", {175, 177, 23, 10}},
};

// The edits; the two font sizes take digits only.
constexpr ControlTemplate kEdits[] = {
    {kHtmlCaption, nullptr, {10, 20, 150, 12}},        {kHtmlTopTitle, nullptr, {10, 45, 150, 12}},
    {kHtmlOuterBackImage, nullptr, {170, 44, 90, 12}}, {kHtmlOuterFontSize, "digits", {140, 69, 20, 12}},
    {kHtmlItemFontSize, "digits", {245, 176, 20, 12}},
};

struct ColorControl {
  int swatch;
  DialogRect swatch_rect;
  int button;
  DialogRect button_rect;
  uint32_t HtmlOptions::*color;
};

constexpr ColorControl kColors[] = {
    {kHtmlOuterTextColorSwatch,
     {200, 68, 26, 14},
     kHtmlChooseOuterTextColor,
     {229, 67, 25, 14},
     &HtmlOptions::FoFontColor},
    {kHtmlOuterBackColorSwatch,
     {220, 20, 40, 10},
     kHtmlChooseOuterBackColor,
     {262, 19, 25, 12},
     &HtmlOptions::FoBackColor},
    {kHtmlTopBackColorSwatch,
     {45, 127, 26, 12},
     kHtmlChooseTopBackColor,
     {73, 126, 22, 12},
     &HtmlOptions::FitBackColor},
    {kHtmlTopTextColorSwatch,
     {45, 140, 26, 12},
     kHtmlChooseTopTextColor,
     {73, 140, 22, 12},
     &HtmlOptions::FitFontColor},
    {kHtmlItemBackColor1Swatch,
     {147, 135, 26, 12},
     kHtmlChooseItemBackColor1,
     {175, 135, 22, 12},
     &HtmlOptions::FiiBackColor1},
    {kHtmlItemTextColor1Swatch,
     {147, 149, 26, 12},
     kHtmlChooseItemTextColor1,
     {175, 149, 22, 12},
     &HtmlOptions::FiiFontColor1},
    {kHtmlItemBackColor2Swatch,
     {227, 135, 26, 12},
     kHtmlChooseItemBackColor2,
     {255, 135, 22, 12},
     &HtmlOptions::FiiBackColor2},
    {kHtmlItemTextColor2Swatch,
     {227, 149, 26, 12},
     kHtmlChooseItemTextColor2,
     {255, 149, 22, 12},
     &HtmlOptions::FiiFontColor2},
};

constexpr ControlTemplate kButtons[] = {
    {kHtmlSave, "保存", {210, 205, 40, 15}},
    {kHtmlStopSave, "保存中止", {255, 205, 40, 15}},
    {kHtmlStoreOptions, "設定を保存", {10, 205, 45, 15}},
    {kHtmlBrowseOuterBackImage, "参照", {262, 44, 25, 12}},
};

}  // namespace

HtmlOptionsDialog::HtmlOptionsDialog(QWidget* owner, std::string target_path,
                                     std::function<std::optional<std::string>()> choose_image)
    : QDialog(owner, kTemplateDialogFlags),
      target_path_(std::move(target_path)),
      choose_image_(std::move(choose_image)) {
  setObjectName("HTMLEDIT");
  setWindowTitle(QStringLiteral("HTML形式保存ｵﾌﾟｼｮﾝ"));
  CreateControls();
  InitHtmlOptions();
}

void HtmlOptionsDialog::CreateControls() {
  const DialogUnits units(this, 303, 225);
  PlaceTemplateTexts(this, units, kTexts);
  const auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
  for (const ControlTemplate& edit : kEdits) {
    auto* line = new QLineEdit(this);
    if (edit.text) line->setValidator(digits);
    units.Place(line, edit.id, edit.rect);
  }
  for (const ControlTemplate& radio : kRadioButtons) {
    auto* button = new QRadioButton(QString::fromUtf8(radio.text), this);
    // The dialog checks its radio buttons itself, one per group.
    button->setAutoExclusive(false);
    units.Place(button, radio.id, radio.rect);
    connect(button, &QRadioButton::clicked, this, [this, id = radio.id] { HtmlOptionsCommand(id); });
  }
  for (const ColorControl& color : kColors) {
    units.Place(CreateColourSwatch(this), color.swatch, color.swatch_rect);
    auto* button = AddTemplateButton(this, units, QStringLiteral("参照"), color.button, color.button_rect);
    connect(button, &QPushButton::clicked, this, [this, id = color.button] { HtmlOptionsCommand(id); });
  }
  for (const ControlTemplate& push : kButtons) {
    auto* button = AddTemplateButton(this, units, QString::fromUtf8(push.text), push.id, push.rect);
    button->setDefault(push.id == kHtmlSave);
    connect(button, &QPushButton::clicked, this, [this, id = push.id] { HtmlOptionsCommand(id); });
  }
  SetTemplateTabOrder(this, {kHtmlCaption,
                             kHtmlTopTitle,
                             kHtmlOuterAlignLeft,
                             kHtmlOuterAlignCentre,
                             kHtmlOuterAlignRight,
                             kHtmlOuterFontSize,
                             kHtmlChooseOuterTextColor,
                             kHtmlOuterBackOfColor,
                             kHtmlOuterBackOfImage,
                             kHtmlChooseOuterBackColor,
                             kHtmlOuterBackImage,
                             kHtmlBrowseOuterBackImage,
                             kHtmlChooseTopBackColor,
                             kHtmlChooseTopTextColor,
                             kHtmlTopAlignLeft,
                             kHtmlTopAlignCentre,
                             kHtmlTopAlignRight,
                             kHtmlItemsOneColor,
                             kHtmlItemsAlternateColors,
                             kHtmlChooseItemBackColor1,
                             kHtmlChooseItemTextColor1,
                             kHtmlChooseItemBackColor2,
                             kHtmlChooseItemTextColor2,
                             kHtmlItemAlignLeft,
                             kHtmlItemAlignCentre,
                             kHtmlItemAlignRight,
                             kHtmlItemFontSize,
                             kHtmlStoreOptions,
                             kHtmlSave,
                             kHtmlStopSave});
}

void HtmlOptionsDialog::InitHtmlOptions() {
  const HtmlOptions stored = ReadHtmlOptions();
  DialogControl<QLineEdit>(this, kHtmlCaption)->setText(ToQString(stored.Caption));
  DialogControl<QLineEdit>(this, kHtmlTopTitle)->setText(ToQString(stored.TopTitle));
  DialogControl<QLineEdit>(this, kHtmlOuterBackImage)->setText(ToQString(stored.FoBackImage));
  DialogControl<QLineEdit>(this, kHtmlOuterFontSize)->setText(ToQString(stored.FoFontSize));
  DialogControl<QLineEdit>(this, kHtmlItemFontSize)->setText(ToQString(stored.FiiFontSize));
  for (const HtmlRadioGroup& group : kHtmlRadioGroups) {
    const int checked = RadioButtonOfChoice(group, stored.*group.choice);
    for (int id : group.button_ids) {
      if (id != 0) DialogControl<QRadioButton>(this, id)->setChecked(id == checked);
    }
  }
  colors_ = stored;
  PaintSwatches();
}

HtmlOptions HtmlOptionsDialog::CurrentOptions() const {
  HtmlOptions options = colors_;
  const auto text = [this](int id) {
    return CutHtmlOptionText(FromQString(DialogControl<QLineEdit>(this, id)->text()));
  };
  options.Caption = text(kHtmlCaption);
  options.TopTitle = text(kHtmlTopTitle);
  options.FoBackImage = text(kHtmlOuterBackImage);
  options.FoFontSize = text(kHtmlOuterFontSize);
  options.FiiFontSize = text(kHtmlItemFontSize);
  for (const HtmlRadioGroup& group : kHtmlRadioGroups) {
    int checked = 0;
    for (int id : group.button_ids) {
      if (id != 0 && DialogControl<QRadioButton>(this, id)->isChecked()) checked = id;
    }
    options.*group.choice = ChoiceOfRadioButton(group, checked);
  }
  return options;
}

void HtmlOptionsDialog::HtmlOptionsCommand(int id) {
  if (RadioGroupOfButton(id)) {
    CheckRadioButton(id);
    return;
  }
  for (const ColorControl& color : kColors) {
    if (color.button != id) continue;
    colors_.*color.color = ChooseColor(this, ColorChooserOwner::kHtmlOptions, colors_.*color.color);
    PaintSwatches();
    return;
  }
  switch (id) {
    case kHtmlSave:
      save_result_ = WriteListFile(target_path_, kListFileHtml, false, CurrentOptions());
      accept();
      break;
    case kHtmlStopSave:
      reject();
      break;
    case kHtmlStoreOptions:
      StoreHtmlOptions(CurrentOptions());
      break;
    case kHtmlBrowseOuterBackImage:
      if (const std::optional<std::string> image = choose_image_()) {
        DialogControl<QLineEdit>(this, kHtmlOuterBackImage)
            ->setText(QString::fromStdString(PathFileName(*image)));
      }
      break;
  }
}

void HtmlOptionsDialog::CheckRadioButton(int id) {
  for (int member : RadioGroupOfButton(id)->button_ids) {
    if (member != 0) DialogControl<QRadioButton>(this, member)->setChecked(member == id);
  }
}

void HtmlOptionsDialog::PaintSwatches() {
  for (const ColorControl& color : kColors) PaintColourSwatch(this, color.swatch, colors_.*color.color);
}
