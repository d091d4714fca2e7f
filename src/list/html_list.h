#pragma once
// The HTML list file: a page with a coloured table laid out by the HTML options.
#include <cstdint>
#include <string>
#include <string_view>

#include "list/list_file_table.h"
#include "list/list_text_sink.h"
#include "settings/html_options.h"

// Six uppercase hexadecimal digits, red, green, blue, from the low 24 bits of a colour reference
// (0x00BBGGRR): 0x0000FF gives "FF0000".
std::string ColorToHtml(uint32_t color);

// The text with "&", "<", ">" and the double quote written as character references. These bytes never
// occur inside a CP932 double-byte character, so the text stays valid CP932.
std::string EscapeHtml(std::string_view text);

// The page with "\n" line ends (the output turns them into CR LF), a row at a time. Cell texts and
// labels are escaped; option texts go in as typed. Alignment values outside 0-2 give the left-aligned
// form, an FiiListDraw other than 1 colours every row with pair 1, an FoBackDrawType other than 1 a colour.
void WriteHtmlList(const ListFileColumns& columns, const ListFileRows& rows, const HtmlOptions& options,
                   ListTextSink& sink);

// The same page as one string.
std::string RenderHtmlList(const ListFileTable& table, const HtmlOptions& options);
