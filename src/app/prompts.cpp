#include "app/prompts.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "app/main_window.h"
#include "app/name_only_icon_provider.h"
#include "platform/ordinary_folder.h"

namespace {

PromptHandlers& Handlers() {
  static PromptHandlers handlers;
  return handlers;
}

// The designed filter texts carry their pattern in parentheses; Qt is given the label with a pattern of
// its own and shows the label alone. "*.*" matches every name, with or without a dot, as it did.
QStringList NameFilters(const QStringList& labels) {
  static const QRegularExpression kPattern(QStringLiteral("\\(([^()]*)\\)$"));
  QStringList filters;
  for (const QString& label : labels) {
    QString pattern = kPattern.match(label).captured(1);
    if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    filters << QStringLiteral("%1 (%2)").arg(label, pattern);
  }
  return filters;
}

// A remembered place outside the ordinary folders would list pseudo files; the home folder is the
// chooser's place then.
QString OrdinaryFolderOr(const QString& folder) {
  return folder.isEmpty() || IsOrdinaryFolder(QFile::encodeName(folder).toStdString()) ? folder
                                                                                       : QDir::homePath();
}

QString OrdinaryInitialName(const QString& name) {
  const QFileInfo info(name);
  if (name.isEmpty() || !name.contains(u'/')) return name;
  return QDir(OrdinaryFolderOr(info.absolutePath())).filePath(info.fileName());
}

}  // namespace

QString RunFileChooser(const FileChooserRequest& request) {
  if (Handlers().file_chooser) return Handlers().file_chooser(request);
  NameOnlyIconProvider icons;  // outlives the dialog, which uses it until it is gone
  QFileDialog dialog(MainWin(), request.title, OrdinaryFolderOr(request.initial_folder));
  // Qt's own chooser, so that no file is read to pick its icon or type.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(NameFilters(request.filters));
  dialog.setDefaultSuffix(request.default_suffix);
  if (!request.initial_name.isEmpty()) dialog.selectFile(OrdinaryInitialName(request.initial_name));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString RunFolderBrowser(const QString& title) {
  if (Handlers().folder_browser) return Handlers().folder_browser(title);
  NameOnlyIconProvider icons;
  QFileDialog dialog(MainWin(), title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
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
