#include "list/html_list.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorToHtml, WritesRedGreenBlueFromTheReference) {
  EXPECT_EQ(ColorToHtml(0x000000), "000000");
  EXPECT_EQ(ColorToHtml(0xffffff), "FFFFFF");
  EXPECT_EQ(ColorToHtml(0x0000ff), "FF0000");
  EXPECT_EQ(ColorToHtml(0xcccccc), "CCCCCC");
  EXPECT_EQ(ColorToHtml(0x00563412), "123456");
  EXPECT_EQ(ColorToHtml(0xab0a0b0c), "0C0B0A");  // the top byte is not a colour
}

ListFileTable TwoColumns(std::vector<std::vector<std::string>> rows) {
  return ListFileTable{{"name", "size"}, {false, true}, std::move(rows)};
}

TEST(RenderHtmlList, DefaultLookWithCentredHeading) {
  std::string expected =
      "<html>\n"
      "    <head>\n"
      "    <body bgcolor=\"#FFFFFF\" text=\"#000000\"></body>\n"
      "    <title>Untitled</title>\n"
      "    </head>\n"
      "    <center><b><font size=\"7\">Untitled</font></b><br><br></center>\n"
      "    <center><table border=1>\n"
      "        <tr>\n"
      "        <td align=\"center\" bgcolor=\"#FFFFFF\" nowrap><font color=\"#000000\"><font size=\"3\">"
      "<b>name</b></font></font></td>\n"
      "        <td align=\"center\" bgcolor=\"#FFFFFF\" nowrap><font color=\"#000000\"><font size=\"3\">"
      "<b>size</b></font></font></td>\n"
      "        </tr>\n"
      "    </table></center>\n"
      "</html>\n\n";
  EXPECT_EQ(RenderHtmlList(TwoColumns({}), HtmlOptions()), expected);
}

TEST(RenderHtmlList, AlternatingRowsAndBackgroundImage) {
  HtmlOptions options;
  options.Caption = "My list";
  options.TopTitle = "Movies";
  options.FoStrDrawType = 0;
  options.FoFontSize = "5";
  options.FoFontColor = 0x0000ff;
  options.FoBackDrawType = 1;
  options.FoBackColor = 0x123456;  // not used with an image
  options.FoBackImage = "C:\\";
  options.FitBackColor = 0x00ff00;
  options.FitFontColor = 0xff0000;
  options.FitStrDrawType = 2;
  options.FiiListDraw = 1;
  options.FiiBackColor1 = 0x111111;
  options.FiiFontColor1 = 0x222222;
  options.FiiBackColor2 = 0x333333;
  options.FiiFontColor2 = 0x444444;
  options.FiiStrDrawType = 0;
  options.FiiFontSize = "2";
  std::string page = RenderHtmlList(TwoColumns({{"a.avi", "1"}, {"b.avi", "2"}, {"c.avi", "3"}}), options);
  auto cell = [](const char* align, const char* back, const char* font, const char* text) {
    return std::string("        <td ") + align + "bgcolor=\"#" + back + "\" nowrap><font color=\"#" + font +
           "\"><font size=\"2\"><b>" + text + "</b></font></font></td>\n";
  };
  std::string expected =
      "<html>\n"
      "    <head>\n"
      "    <body background=\"C:\\\" text=\"#FF0000\"></body>\n"
      "    <title>My list</title>\n"
      "    </head>\n"
      // Left alignment: no line end after the heading.
      "<b><font size=\"5\">Movies</font></b><br><br>    <center><table border=1>\n"
      "        <tr>\n" +
      cell("align=\"right\" ", "00FF00", "0000FF", "name") +
      cell("align=\"right\" ", "00FF00", "0000FF", "size") +
      "        </tr>\n"
      "        <tr>\n" +
      cell("", "111111", "222222", "a.avi") + cell("", "111111", "222222", "1") +
      "        </tr>\n"
      "        <tr>\n" +
      cell("", "333333", "444444", "b.avi") + cell("", "333333", "444444", "2") +
      "        </tr>\n"
      "        <tr>\n" +
      cell("", "111111", "222222", "c.avi") + cell("", "111111", "222222", "3") +
      "        </tr>\n"
      "    </table></center>\n"
      "</html>\n\n";
  EXPECT_EQ(page, expected);

  options.FiiListDraw = 0;
  page = RenderHtmlList(TwoColumns({{"a.avi", "1"}, {"b.avi", "2"}}), options);
  EXPECT_EQ(page.find("333333"), std::string::npos) << "one colour pair for every row";
  options.FoStrDrawType = 2;
  page = RenderHtmlList(TwoColumns({}), options);
  EXPECT_NE(page.find("    <div align=\"right\"><b><font size=\"5\">Movies</font></b><br><br></div>\n"),
            std::string::npos);
}

// A file name or tag holding markup must show as text, not run in the reader's browser.
TEST(RenderHtmlList, CellMarkupIsEscapedOptionsAreNot) {
  HtmlOptions options;
  options.TopTitle = "<i>mine</i>";
  std::string page = RenderHtmlList(TwoColumns({{"<script>alert(\"x\")</script>&.avi", "1"}}), options);
  EXPECT_NE(page.find("<b>&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt;&amp;.avi</b>"),
            std::string::npos);
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_NE(page.find("<font size=\"7\"><i>mine</i></font>"), std::string::npos);
}

TEST(EscapeHtml, KeepsDoubleByteCharactersWhole) {
  // Trail bytes of CP932 characters start at 0x40, above every byte that is escaped.
  std::string cp932 = "\x83\x5c\x83\x74\x83\x67 & \x94\x5c";
  EXPECT_EQ(EscapeHtml(cp932), "\x83\x5c\x83\x74\x83\x67 &amp; \x94\x5c");
}

}  // namespace
