#pragma once
// Sets up the column state of the run and the row store's columns for a test: the file name and the
// given optional columns shown, every other one hidden; the rows are removed.
#include <initializer_list>
#include <string>

#include "list/columns.h"

void ShowOnlyColumns(std::initializer_list<ColumnNo> optional_columns);

// A [Customize] section (CP932 settings text) that shows the file name and the given optional columns
// and hides every other one, for tests that build the list from a settings file.
std::string ShownColumnsIni(std::initializer_list<ColumnNo> optional_columns);
