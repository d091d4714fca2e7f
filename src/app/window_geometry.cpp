#include "app/window_geometry.h"

#include <QWidget>

#include "app/main_window.h"

WindowGeometry& WindowGeom() {
  static WindowGeometry geometry;
  return geometry;
}

void MeasureWindow(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  WindowGeometry& geometry = WindowGeom();
  geometry.left = outer.x();
  geometry.top = outer.y();
  geometry.width = outer.width();
  geometry.height = outer.height();
  geometry.client_left = 0;
  geometry.client_top = 0;
  geometry.client_width = window->width();
  geometry.client_height = window->height();
}

void CentreOverMainWindow(QWidget* dialog) {
  if (!MainWin()) return;
  MeasureWindow(MainWin());
  const WindowGeometry main = WindowGeom();
  MeasureWindow(dialog);
  const WindowGeometry own = WindowGeom();
  dialog->move(main.left + (main.width - own.width) / 2, main.top + (main.height - own.height) / 2);
}
