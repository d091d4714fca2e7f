#include "app/unsaved_edits.h"

#include "app/prompts.h"
#include "list/list_model.h"

namespace {

// Whether an entry was edited since the list was last saved, written or replaced.
bool& Edited() {
  static bool edited = false;
  return edited;
}

bool AnyRowChecked() {
  for (int row = 0; row < ListRowCount(); ++row) {
    if (ListIsChecked(row)) return true;
  }
  return false;
}

}  // namespace

void NoteEntryEdited() {
  Edited() = true;
}

void NoteEditsKept() {
  Edited() = false;
}

bool ConfirmDiscardEdits() {
  if (!Edited() || !AnyRowChecked()) return true;
  MessageBoxRequest request;
  request.icon = QMessageBox::Question;
  request.caption = QStringLiteral("ｴﾃﾞｨｯﾄ内容の破棄確認");
  request.text =
      QStringLiteral("ﾘｽﾄｴﾃﾞｨｯﾄで変更した情報が保存も書込みもされていません\n変更を破棄してよろしいですか？");
  request.buttons = QMessageBox::Yes | QMessageBox::No;
  if (RunMessageBox(request) != QMessageBox::Yes) return false;
  Edited() = false;
  return true;
}
