#pragma once
// Saving the list as a TXT, CSV or HTML list file: every shown column in display order, every row from
// the top, CP932 bytes as they are, CR LF line ends. The file is written as the text is made, so a
// list of any length takes little memory beyond the row store.
#include <string>
#include <vector>

#include "list/csv_round_trip.h"
#include "list/list_file_kind.h"
#include "list/list_file_output.h"
#include "list/list_file_table.h"
#include "platform/file_write.h"
#include "settings/html_options.h"

// The shown columns of the row store, and its rows read from it as they are written (cells whole).
ListFileColumns ListFileColumnsFromList();
ListFileRows ListFileRowsFromList();

// The write's result; what is "format" for a kind that is no list file format.
struct [[nodiscard]] ListFileResult : WriteResult {
  std::string path;  // the list file
  // CSV: the cells the file cannot carry unambiguously (FindUnreadableCsvCells); written all the same.
  std::vector<CsvUnreadableCell> unreadable_cells;
};

// The cells a CSV text cannot carry, once the check has followed every line of it (the header first, then
// the rows).
std::vector<CsvUnreadableCell> FinishCsvCheck(CsvReadBackCheck& check, const ListFileColumns& columns,
                                              const ListFileRows& rows);

// Writes the list in the given format. Without append the file is replaced; with append the bytes go
// after its contents (a TXT file then gets the data rows without the header line). The HTML options are
// used only for HTML. A failure is returned, never shown, and leaves any existing file byte for byte
// as it was; a kind other than the three formats writes nothing and fails with EINVAL.
ListFileResult WriteListFile(const std::string& path, ListFileKind kind, bool append,
                             const HtmlOptions& html = HtmlOptions(),
                             ListFileEncoding encoding = ListFileEncoding::kCp932);
