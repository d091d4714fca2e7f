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
// for y (integer division). Where the dialog would then stick out of the available area of the main
// window's screen, it moves just enough to lie within it; a dialog larger than that area keeps its
// left and top edges on the area's, so its title bar stays reachable. Does nothing without a main window.
void CentreOverMainWindow(QWidget* dialog);

// position moved just enough that [position, position + size) lies within [low, low + extent); low when
// the size exceeds the extent.
int KeepWithin(int position, int size, int low, int extent);
