#pragma once
// Window state and fonts: the saved bars, grid lines, check marks and rectangle applied to the new main
// window, the two window fonts, and the state written back at exit.
class QFont;

// Applies ToolBar, StatusBar, GridLine (by issuing their toggle commands when not 1), EndSet, the scan
// filter and MPEG check marks and the saved rectangle. A rectangle that lies on no screen is replaced
// by the saved size centred on the primary screen.
void ApplyWindowSettings();

// Rebuilds the main font (status bar) and the list font (list view and its header) from
// MainFontType/MainFontSize and ListFontType/ListFontSize. A size is read with automatic base ("012" is
// 10) and is the character cell height in pixels; 0 leaves the height to the platform.
void CreateWindowFonts();
const QFont& MainFont();
const QFont& ListFont();

// Writes, in this order: Left, Top, Width, Height (from the window geometry record), ToolBar,
// StatusBar, GridLine (menu state codes), the nine scan filter and MPEG flags, LoadPath, SavePath and
// the seventeen column widths (live widths of shown columns, stored widths of hidden ones).
void SaveStateAtExit();
