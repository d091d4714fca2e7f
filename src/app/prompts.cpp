#include "app/prompts.h"

#include <QFileDialog>

#include "app/main_window.h"

namespace {

PromptHandlers& Handlers() {
  static PromptHandlers handlers;
  return handlers;
}

}  // namespace

QString RunFileChooser(const FileChooserRequest& request) {
  if (Handlers().file_chooser) return Handlers().file_chooser(request);
  QFileDialog dialog(MainWin(), request.title, request.initial_folder);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(request.filters);
  dialog.setDefaultSuffix(request.default_suffix);
  if (!request.initial_name.isEmpty()) dialog.selectFile(request.initial_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString RunFolderBrowser(const QString& title) {
  if (Handlers().folder_browser) return Handlers().folder_browser(title);
  return QFileDialog::getExistingDirectory(MainWin(), title, QString(), QFileDialog::ShowDirsOnly);
}

QMessageBox::StandardButton RunMessageBox(const MessageBoxRequest& request) {
  if (Handlers().message_box) return Handlers().message_box(request);
  QMessageBox box(request.icon, request.caption, request.text, request.buttons,
                  request.owned_by_main_window ? MainWin() : nullptr);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetPromptHandlersForTesting(PromptHandlers handlers) {
  Handlers() = std::move(handlers);
}
