#include "app/unsaved_edits.h"

#include "app/prompts.h"
#include "list/list_model.h"

namespace {

bool g_edited = false;

bool AnyRowChecked() {
  for (int row = 0; row < ListRowCount(); ++row) {
    if (ListIsChecked(row)) return true;
  }
  return false;
}

}  // namespace

void NoteEntryEdited() {
  g_edited = true;
}

void NoteEditsKept() {
  g_edited = false;
}

bool ConfirmDiscardEdits() {
  if (!g_edited || !AnyRowChecked()) return true;
  MessageBoxRequest request;
  request.icon = QMessageBox::Question;
  request.caption = QStringLiteral("ｴﾃﾞｨｯﾄ内容の破棄確認");
  request.text =
      QStringLiteral("ﾘｽﾄｴﾃﾞｨｯﾄで変更した情報が保存も書込みもされていません\n変更を破棄してよろしいですか？");
  request.buttons = QMessageBox::Yes | QMessageBox::No;
  if (RunMessageBox(request) != QMessageBox::Yes) return false;
  g_edited = false;
  return true;
}
