#pragma once
// The modal questions the window puts to the user: file choosers, the folder browser and message
// boxes. Each goes through a replaceable handler, so tests can answer them.
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

struct FileChooserRequest {
  bool save = false;  // save chooser (asks before replacing); otherwise open (existing files only)
  QString title;
  QStringList filters;  // the designed texts, each ending in "(pattern)"; the first is preselected
  QString initial_folder;
  QString initial_name;
  QString default_suffix;
};

struct MessageBoxRequest {
  bool owned_by_main_window = true;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// The chosen file's full path, or an empty text when the user cancelled. A remembered folder that is not
// an ordinary one (IsOrdinaryFolder) gives way to the home folder.
QString RunFileChooser(const FileChooserRequest& request);
// The chosen folder, or an empty text when the user cancelled.
QString RunFolderBrowser(const QString& title);
// The button the user pressed.
QMessageBox::StandardButton RunMessageBox(const MessageBoxRequest& request);

struct PromptHandlers {
  std::function<QString(const FileChooserRequest&)> file_chooser;
  std::function<QString(const QString& title)> folder_browser;
  std::function<QMessageBox::StandardButton(const MessageBoxRequest&)> message_box;
};
// Tests: replaces the dialogs; a handler left empty keeps the real dialog. Empty handlers restore all.
void SetPromptHandlersForTesting(PromptHandlers handlers);
