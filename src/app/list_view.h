#pragma once
// The list view of the main window: a QTableView over ListTableModel, its style, colours and columns.
#include <cstdint>

class MainWindow;

// Creates the list view and its model in the main window, applies style and colours from the settings,
// builds the columns and removes the column-width items of hidden columns from the main menu.
void CreateListView(MainWindow& window);

// Full-row selection always; grid lines when asked; check boxes while the folder path column is shown.
void ListApplyStyle(bool grid_lines);
// Colour references (0x00BBGGRR) for the text and for the text and window background.
void ListSetColors(uint32_t text_color, uint32_t background_color);
