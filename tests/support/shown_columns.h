#pragma once
// Sets up the column state of the run and the row store's columns for a test: the file name and the
// given optional columns shown, every other one hidden; the rows are removed.
#include <initializer_list>

#include "list/columns.h"

void ShowOnlyColumns(std::initializer_list<ColumnNo> optional_columns);
