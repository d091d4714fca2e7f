#pragma once
// The window geometry record, filled by MeasureWindow from whichever window it was given last, and the
// rule by which every dialog centres itself over the main window.
class QWidget;

struct WindowGeometry {
  int left = 0, top = 0, width = 0, height = 0;  // outer rectangle, screen pixels
  int client_left = 0, client_top = 0;           // always 0
  int client_width = 0, client_height = 0;
};

WindowGeometry& WindowGeom();

void MeasureWindow(const QWidget* window);

// Moves the dialog, keeping its size, to x = main.left + (main.width - dialog.width) / 2 and likewise
// for y (integer division). Does nothing without a main window.
void CentreOverMainWindow(QWidget* dialog);
