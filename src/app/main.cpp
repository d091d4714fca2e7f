#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/toolkit_translations.h"
#include "app/window_command_line.h"
#include "app/window_state.h"
#include "platform/file_write.h"
#include "platform/patch_journal.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
  std::vector<std::string> command_line_pieces(argv + 1, argv + argc);
  // The options are answered before Qt starts, so they work without a display.
  switch (ReadWindowCommandLine(command_line_pieces)) {
    case WindowCommandLineAction::kPrintUsage:
      std::fputs(WindowUsageText().c_str(), stdout);
      return 0;
    case WindowCommandLineAction::kPrintVersion:
      std::fputs(WindowVersionText().c_str(), stdout);
      return 0;
    case WindowCommandLineAction::kOpenWindow:
      break;
  }
  // A file-size limit must fail a write, not end the program in the middle of one; and a tag write that
  // an earlier run could not finish is undone before any file is read.
  IgnoreFileSizeLimitSignal();
  RecoverInterruptedPatches();
  QApplication app(argc, argv);
  LoadToolkitTranslations(app);
  // Desktops without a full-colour icon theme still get the toolbar's freedesktop icons.
  QIcon::setFallbackThemeName(QStringLiteral("Tango"));
  LoadSettings();
  MainWindow window(command_line_pieces);
  ApplyWindowSettings();
  window.show();
  return app.exec();
}
