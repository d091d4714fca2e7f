#pragma once
// The look of an HTML list file: eighteen values, each named after its key in section HtmlSetting.
// "Fo" values concern the page outside the table, "Fit" the table's heading row, "Fii" the item rows.
// Texts are CP932 bytes written into the page as typed; colours are colour references (0x00BBGGRR).
#include <cstdint>
#include <string>

struct HtmlOptions {
  std::string Caption = "Untitled";   // page title
  std::string TopTitle = "Untitled";  // heading above the table
  int FoStrDrawType = 1;              // heading alignment: 0 left, 1 centre, 2 right
  std::string FoFontSize = "7";       // HTML font size of the heading
  uint32_t FoFontColor = 0x0;         // page text colour
  int FoBackDrawType = 0;             // page background: 0 colour, 1 image
  uint32_t FoBackColor = 0xffffff;
  std::string FoBackImage = "C:\\";  // background image reference
  uint32_t FitBackColor = 0xffffff;  // heading-row cells
  uint32_t FitFontColor = 0x0;
  int FitStrDrawType = 1;  // heading-row alignment: 0 left, 1 centre, 2 right
  int FiiListDraw = 0;     // item rows: 0 all in pair 1, 1 alternate pair 1 and pair 2
  uint32_t FiiBackColor1 = 0xffffff;
  uint32_t FiiFontColor1 = 0x0;
  uint32_t FiiBackColor2 = 0xcccccc;
  uint32_t FiiFontColor2 = 0x0;
  int FiiStrDrawType = 1;         // item cell alignment: 0 left, 1 centre, 2 right
  std::string FiiFontSize = "3";  // HTML font size of every table cell
};

// The options stored in section HtmlSetting of the settings file in use; a missing key gives its default.
// Texts are read up to 127 bytes, colours as colour text. A choice outside its range is kept as read (the
// dialog then checks no button of that group).
HtmlOptions ReadHtmlOptions();
// They are stored by StoreHtmlOptions (settings/html_option_groups.h).
