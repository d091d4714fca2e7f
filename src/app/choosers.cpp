#include "app/choosers.h"

#include <QFile>

#include "app/main_window.h"
#include "app/prompts.h"
#include "platform/cp932.h"
#include "settings/settings.h"

namespace {

const char kAllFiles[] = "すべてのﾌｧｲﾙ(*.*)";

QString FolderFromSetting(const std::string& cp932_folder) {
  return QString::fromStdString(Cp932ToUtf8(cp932_folder));
}

int RunChooser(FileChooserRequest request) {
  request.initial_name = QString::fromStdString(ChooserPath());
  const QString chosen = RunFileChooser(request);
  if (chosen.isEmpty()) return 1;
  ChooserPath() = QFile::encodeName(chosen).toStdString();
  if (MainWin()) MainWin()->update();
  return 0;
}

}  // namespace

std::string& ChooserPath() {
  static std::string path;
  return path;
}

int ChooseListFileToOpen() {
  return RunChooser(
      {false,
       QStringLiteral("ﾌｧｲﾙを開く"),
       {QStringLiteral("CSVﾌｧｲﾙ(*.csv)"), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)"), QString::fromUtf8(kAllFiles)},
       FolderFromSetting(Settings().LoadPath),
       QString(),
       QStringLiteral("txt")});
}

int ChooseListFileToSave() {
  return RunChooser({true,
                     QStringLiteral("名前をつけて保存"),
                     {QStringLiteral("CSVﾌｧｲﾙ(*.csv)"), QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)"),
                      QStringLiteral("HTMLﾌｧｲﾙ(*.htm)"), QString::fromUtf8(kAllFiles)},
                     FolderFromSetting(Settings().SavePath),
                     QString(),
                     QStringLiteral("csv")});
}

int ChooseImageFile() {
  return RunChooser(
      {false,
       QStringLiteral("画像ﾌｧｲﾙを開く"),
       {QStringLiteral("JPEGﾌｧｲﾙ(*.jpg)"), QStringLiteral("GIFﾌｧｲﾙ(*.gif)"), QString::fromUtf8(kAllFiles)},
       FolderFromSetting(Settings().LoadPath),
       QString(),
       QStringLiteral("txt")});
}

int ChooseLogFile() {
  return RunChooser({true,
                     QStringLiteral("名前をつけて保存"),
                     {QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)"), QString::fromUtf8(kAllFiles)},
                     QString(),
                     QString(),
                     QStringLiteral("txt")});
}

std::optional<std::string> ChosenPath(int chooser_result) {
  if (chooser_result != 0) return std::nullopt;
  return ChooserPath();
}

std::string BrowseScanFolder() {
  const QString folder = RunFolderBrowser(QStringLiteral("ｽｷｬﾝするﾄﾞﾗｲﾌﾞ･ﾌｫﾙﾀﾞ"));
  if (folder.isEmpty()) return "Err";
  return QFile::encodeName(folder).toStdString();
}
