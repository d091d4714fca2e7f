#include "app/window_geometry.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

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
  int x = main.left + (main.width - own.width) / 2;
  int y = main.top + (main.height - own.height) / 2;
  if (const QScreen* screen = MainWin()->screen()) {
    const QRect available = screen->availableGeometry();
    x = KeepWithin(x, own.width, available.x(), available.width());
    y = KeepWithin(y, own.height, available.y(), available.height());
  }
  dialog->move(x, y);
}

int KeepWithin(int position, int size, int low, int extent) {
  return std::max(low, std::min(position, low + extent - size));
}
