#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "app/window_state.h"
#include "settings/settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Desktops without a full-colour icon theme still get the toolbar's freedesktop icons.
  QIcon::setFallbackThemeName(QStringLiteral("Tango"));
  LoadSettings();
  MainWindow window;
  ApplyWindowSettings();
  window.show();
  return app.exec();
}
