#include "list/html_list.h"

#include <cstdio>

namespace {

const char* const kCellOpen[] = {
    "        <td bgcolor=\"#",
    "        <td align=\"center\" bgcolor=\"#",
    "        <td align=\"right\" bgcolor=\"#",
};

// Colours as they go into the page, formatted once per page rather than once per cell.
struct CellColors {
  std::string back, font;
};

void AppendEscapedHtml(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

void AppendCell(std::string& out, int alignment, const CellColors& colors, const std::string& size,
                std::string_view text) {
  out += kCellOpen[(alignment >= 0 && alignment <= 2) ? alignment : 0];
  out += colors.back;
  out += "\" nowrap><font color=\"#";
  out += colors.font;
  out += "\"><font size=\"";
  out += size;
  out += "\"><b>";
  AppendEscapedHtml(out, text);
  out += "</b></font></font></td>\n";
}

void AppendHeading(std::string& out, const HtmlOptions& options) {
  if (options.FoStrDrawType == 1) out += "    <center>";
  if (options.FoStrDrawType == 2) out += "    <div align=\"right\">";
  out += "<b><font size=\"" + options.FoFontSize + "\">" + options.TopTitle + "</font></b><br><br>";
  // With left alignment no line end follows, so the heading and the table share one line.
  if (options.FoStrDrawType == 1) out += "</center>\n";
  if (options.FoStrDrawType == 2) out += "</div>\n";
}

}  // namespace

std::string ColorToHtml(uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
  return text;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendEscapedHtml(out, text);
  return out;
}

void WriteHtmlList(const ListFileColumns& columns, const ListFileRows& rows, const HtmlOptions& options,
                   ListTextSink& sink) {
  std::string out = "<html>\n    <head>\n";
  if (options.FoBackDrawType == 1) {
    out += "    <body background=\"" + options.FoBackImage + "\" text=\"#" +
           ColorToHtml(options.FoFontColor) + "\"></body>\n";
  } else {
    out += "    <body bgcolor=\"#" + ColorToHtml(options.FoBackColor) + "\" text=\"#" +
           ColorToHtml(options.FoFontColor) + "\"></body>\n";
  }
  out += "    <title>" + options.Caption + "</title>\n    </head>\n";
  AppendHeading(out, options);
  out += "    <center><table border=1>\n        <tr>\n";
  const CellColors heading{ColorToHtml(options.FitBackColor), ColorToHtml(options.FitFontColor)};
  for (const std::string& label : columns.labels) {
    AppendCell(out, options.FitStrDrawType, heading, options.FiiFontSize, label);
  }
  out += "        </tr>\n";
  sink.Put(out);
  const CellColors pair1{ColorToHtml(options.FiiBackColor1), ColorToHtml(options.FiiFontColor1)};
  const CellColors pair2{ColorToHtml(options.FiiBackColor2), ColorToHtml(options.FiiFontColor2)};
  std::vector<std::string_view> cells;
  for (size_t row = 0; row < rows.count && !sink.Failed(); ++row) {
    const CellColors& colors = (options.FiiListDraw == 1 && row % 2 == 1) ? pair2 : pair1;
    rows.read(row, cells);
    out = "        <tr>\n";
    for (std::string_view cell : cells)
      AppendCell(out, options.FiiStrDrawType, colors, options.FiiFontSize, cell);
    out += "        </tr>\n";
    sink.Put(out);
  }
  sink.Put("    </table></center>\n</html>\n\n");
}

std::string RenderHtmlList(const ListFileTable& table, const HtmlOptions& options) {
  StringTextSink sink;
  WriteHtmlList(table.Columns(), RowsOfTable(table), options, sink);
  return std::move(sink.text());
}
