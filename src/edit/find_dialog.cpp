#include "edit/find_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/control_text.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_text.h"

namespace {

constexpr size_t kSearchTextBytes = 255;
constexpr size_t kCategoryBytes = 63;

QLabel* AddLabel(QDialog* dialog, const DialogUnits& units, const QString& text, QWidget* buddy, int y,
                 int width) {
  auto* label = new QLabel(text, dialog);
  label->setBuddy(buddy);
  units.Place(label, 0, 5, y, width, 8);
  return label;
}

QRadioButton* AddRadio(QDialog* dialog, const DialogUnits& units, const QString& text, int id, int x) {
  auto* radio = new QRadioButton(text, dialog);
  units.Place(radio, id, x, 35, 39, 10);
  return radio;
}

}  // namespace

FindDialog::FindDialog(QWidget* owner) : QDialog(owner, kClosableTemplateDialogFlags) {
  setObjectName("LISTFIND");
  setWindowTitle(QStringLiteral("検索"));
  const DialogUnits units(this, 279, 67);

  auto* start = AddTemplateButton(this, units, QStringLiteral("検索開始"), kFindStart, {222, 5, 50, 14});
  start->setDefault(true);
  auto* cancel = AddTemplateButton(this, units, QStringLiteral("ｷｬﾝｾﾙ"), kFindCancel, {222, 22, 50, 14});
  auto* text = new QLineEdit(this);
  units.Place(text, kFindText, 65, 5, 154, 14);
  auto* category = new QComboBox(this);
  // The template height (84) is that of the dropped list.
  units.Place(category, kFindCategory, 65, 23, 55, 14);
  AddLabel(this, units, QStringLiteral("検索する文字列(&N)"), text, 9, 57);
  AddLabel(this, units, QStringLiteral("検索するｶﾃｺﾞﾘ(&C)"), category, 25, 53);
  units.Place(CreateTemplateGroupBox(QStringLiteral("検索する方向"), this), 0, 125, 25, 90, 25);
  // The radio buttons belong to the dialog, as in the template, so their rectangles are the dialog's.
  AddRadio(this, units, QStringLiteral("上へ(&U)"), kFindUpward, 130);
  AddRadio(this, units, QStringLiteral("下へ(&D)"), kFindDownward, 175)->setChecked(true);
  for (const std::string& name : FindCategoryNames()) category->addItem(ToQString(name));
  FitTemplateTexts(this, 279, 67);

  category->setCurrentIndex(0);
  text->setFocus();
  FindReq().text.clear();
  FindReq().category.clear();

  connect(start, &QPushButton::clicked, this, &FindDialog::startSearch);
  connect(cancel, &QPushButton::clicked, this, &FindDialog::reject);
}

void FindDialog::startSearch() {
  const std::string text = ControlText(DialogControl<QLineEdit>(this, kFindText)->text(), kSearchTextBytes);
  const std::string category =
      ControlText(DialogControl<QComboBox>(this, kFindCategory)->currentText(), kCategoryBytes);
  if (text.empty()) {
    MessageBoxRequest request;
    request.icon = QMessageBox::Critical;
    request.caption = QStringLiteral("検索");
    request.text = QStringLiteral("検索する単語を入力して下さい");
    RunMessageBox(request);
    return;
  }
  FindRequest& stored = FindReq();
  stored.text = text;
  stored.category = category;
  stored.direction = DialogControl<QRadioButton>(this, kFindUpward)->isChecked() ? kFindUp : kFindDown;
  emit searchRequested(stored);
  accept();
}
