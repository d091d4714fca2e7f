#pragma once
// The TXT list file: a plain table with space-padded columns.
#include <string>

#include "list/list_file_table.h"
#include "list/list_text_sink.h"

// The table with "\n" line ends (the output turns them into CR LF), a line at a time. Each position
// before the last one takes its width (the longest label or cell in bytes) plus one space; left-aligned
// texts are padded on the right, right-aligned ones on the left. At the last position a left-aligned text
// stands alone and a right-aligned one is followed by one space. Widths count the header even when it is
// not written (append mode, header_line false). A row with fewer cells than labels is padded with empty
// ones.
void WriteTxtList(const ListFileColumns& columns, const ListFileRows& rows, bool header_line,
                  ListTextSink& sink);

// The same text as one string.
std::string RenderTxtList(const ListFileTable& table, bool header_line);
