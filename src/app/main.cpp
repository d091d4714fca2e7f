#include <QApplication>
#include <QIcon>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/window_state.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Desktops without a full-colour icon theme still get the toolbar's freedesktop icons.
  QIcon::setFallbackThemeName(QStringLiteral("Tango"));
  std::vector<std::string> command_line_pieces(argv + 1, argv + argc);
  LoadSettings();
  MainWindow window(command_line_pieces);
  ApplyWindowSettings();
  window.show();
  return app.exec();
}
