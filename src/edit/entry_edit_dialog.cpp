#include "edit/entry_edit_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/control_text.h"
#include "app/dialog_units.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "edit/entry_edit.h"
#include "list/list_model.h"

namespace {

constexpr size_t kFieldBytes = 255;

// A label of the template (id 0) or a text the dialog fills in (its id).
QLabel* AddLabel(QDialog* dialog, const DialogUnits& units, const QString& text, int id, int x, int y,
                 int width, int height) {
  auto* label = new QLabel(text, dialog);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  units.Place(label, id, x, y, width, height);
  return label;
}

QPushButton* AddButton(EntryEditDialog* dialog, const DialogUnits& units, const QString& text, int id,
                       int x) {
  auto* button = AddTemplateButton(dialog, units, text, id, {x, 145, 50, 14});
  QObject::connect(button, &QPushButton::clicked, dialog, [dialog, id] { EntryEditCommand(dialog, id); });
  return button;
}

// A hidden column's control is disabled and left empty.
void ShowField(QLineEdit* edit, const std::optional<std::string>& field) {
  edit->setEnabled(field.has_value());
  edit->setText(field ? ToQString(*field) : QString());
}

std::optional<std::string> FieldOf(const QWidget* control, const QString& text) {
  if (!control->isEnabled()) return std::nullopt;
  return ControlText(text, kFieldBytes);
}

std::optional<std::string> EditFieldOf(QDialog* dialog, int id) {
  const auto* edit = DialogControl<QLineEdit>(dialog, id);
  return FieldOf(edit, edit->text());
}

// CP932 would store "?" for some typed characters: the user is told which, and OK waits for a fix.
bool AllFieldsStorable(QDialog* dialog) {
  QString typed = DialogControl<QComboBox>(dialog, kEntryEditGenre)->currentText();
  for (int id : {kEntryEditTitle, kEntryEditCreator, kEntryEditComment})
    typed += DialogControl<QLineEdit>(dialog, id)->text();
  const QString lacking = CharactersCp932Lacks(typed);
  if (lacking.isEmpty()) return true;
  MessageBoxRequest request;
  request.icon = QMessageBox::Warning;
  request.caption = QStringLiteral("入力文字ｴﾗｰ");
  request.text = QStringLiteral("次の文字はﾘｽﾄに保存できません\n%1\n別の文字に置き換えて下さい").arg(lacking);
  RunMessageBox(request);
  return false;
}

}  // namespace

EntryEditDialog::EntryEditDialog(QWidget* owner) : QDialog(owner, kClosableTemplateDialogFlags) {
  setObjectName("DIALOG2");
  setWindowTitle(QStringLiteral("****のｴﾃﾞｨｯﾄ"));
  const DialogUnits units(this, 214, 165);

  units.Place(CreateTemplateGroupBox(QStringLiteral("Defult Movie Info"), this), 0, 5, 5, 200, 70);
  AddLabel(this, units, QStringLiteral("ﾌｧｲﾙ名"), 0, 15, 20, 24, 8);
  AddLabel(this, units, QStringLiteral("NonFileName"), kEntryEditFileName, 50, 20, 151, 10);
  AddLabel(this, units, QStringLiteral("ﾌｫﾙﾀﾞﾊﾟｽ"), 0, 15, 30, 29, 8);
  AddLabel(this, units, QStringLiteral("C:\\"), kEntryEditFolder, 50, 30, 151, 8);
  AddLabel(this, units, QStringLiteral("ﾌｧｲﾙｻｲｽﾞ"), 0, 15, 40, 32, 8);
  AddLabel(this, units, QStringLiteral("999,999KB/999MB"), kEntryEditSizeLine, 50, 40, 100, 10);
  AddLabel(this, units, QStringLiteral("動画情報1"), 0, 15, 50, 32, 8);
  AddLabel(this, units, QStringLiteral("MPEG4 V3(280kbit) MP3(56kbit/22khz)"), kEntryEditFormatLine, 50, 50,
           150, 10);
  AddLabel(this, units, QStringLiteral("動画情報2"), 0, 15, 60, 32, 8);
  AddLabel(this, units, QStringLiteral("Rezolution 320x240 Frame 15fps Time 23:36"), kEntryEditPictureLine,
           50, 60, 150, 10);

  units.Place(CreateTemplateGroupBox(QStringLiteral("User Edit Movie Info"), this), 0, 5, 80, 200, 60);
  AddLabel(this, units, QStringLiteral("タイトル"), 0, 10, 92, 23, 8);
  units.Place(new QLineEdit(this), kEntryEditTitle, 40, 90, 160, 12);
  AddLabel(this, units, QStringLiteral("製作者名"), 0, 10, 107, 28, 8);
  units.Place(new QLineEdit(this), kEntryEditCreator, 40, 105, 60, 13);
  AddLabel(this, units, QStringLiteral("ジャンル"), 0, 106, 106, 26, 8);
  auto* genre = new QComboBox(this);
  genre->setEditable(true);
  genre->setInsertPolicy(QComboBox::NoInsert);
  genre->setMaxVisibleItems(11);
  // The template height (84) is that of the dropped list; the closed box is as tall as the edits.
  units.Place(genre, kEntryEditGenre, 135, 105, 65, 13);
  AddLabel(this, units, QStringLiteral("コメント"), 0, 11, 121, 22, 8);
  units.Place(new QLineEdit(this), kEntryEditComment, 40, 120, 160, 12);

  AddButton(this, units, QStringLiteral("OK"), kEntryEditOk, 100)->setDefault(true);
  AddButton(this, units, QStringLiteral("ｷｬﾝｾﾙ"), kEntryEditCancel, 155);
  AddButton(this, units, QStringLiteral("情報削除"), kEntryEditDeleteInfo, 5);
  FitTemplateTexts(this, 214, 165,
                   {kEntryEditFileName, kEntryEditFolder, kEntryEditSizeLine, kEntryEditFormatLine,
                    kEntryEditPictureLine});
}

void InitEntryEditDialog(QDialog* dialog, int row) {
  const EntryEditFacts facts = MakeEntryEditFacts(row);
  dialog->setWindowTitle(ToQString(facts.caption));
  DialogControl<QLabel>(dialog, kEntryEditFileName)->setText(ToQString(facts.file_name));
  DialogControl<QLabel>(dialog, kEntryEditFolder)->setText(ToQString(facts.folder));
  DialogControl<QLabel>(dialog, kEntryEditSizeLine)->setText(ToQString(facts.size_line));
  DialogControl<QLabel>(dialog, kEntryEditFormatLine)->setText(ToQString(facts.format_line));
  DialogControl<QLabel>(dialog, kEntryEditPictureLine)->setText(ToQString(facts.picture_line));

  const EntryEditFields fields = InitialEntryEditFields(row);
  ShowField(DialogControl<QLineEdit>(dialog, kEntryEditTitle), fields.title);
  ShowField(DialogControl<QLineEdit>(dialog, kEntryEditCreator), fields.creator);
  ShowField(DialogControl<QLineEdit>(dialog, kEntryEditComment), fields.comment);
  auto* genre = DialogControl<QComboBox>(dialog, kEntryEditGenre);
  genre->clear();
  genre->setEnabled(fields.genre.has_value());
  if (!fields.genre) return;
  for (const std::string& item : GenreItems()) genre->addItem(ToQString(item));
  genre->setEditText(ToQString(*fields.genre));
}

void EntryEditCommand(EntryEditDialog* dialog, int command) {
  auto* genre = DialogControl<QComboBox>(dialog, kEntryEditGenre);
  switch (command) {
    case kEntryEditOk: {
      if (!AllFieldsStorable(dialog)) break;
      const int row = ListNextSelected(-1);
      if (row >= 0) {
        const EntryEditFields fields{
            EditFieldOf(dialog, kEntryEditTitle),
            FieldOf(genre, genre->currentText()),
            EditFieldOf(dialog, kEntryEditCreator),
            EditFieldOf(dialog, kEntryEditComment),
        };
        if (StoreEntryEditFields(row, fields)) emit dialog->rowEdited();
      }
      dialog->accept();
      break;
    }
    case kEntryEditCancel:
      dialog->reject();
      break;
    case kEntryEditDeleteInfo:
      for (int id : {kEntryEditTitle, kEntryEditCreator, kEntryEditComment})
        DialogControl<QLineEdit>(dialog, id)->clear();
      genre->setEditText(QString());
      break;
    default:
      break;
  }
}
