#pragma once
// A row's cell by column number rather than by position: hidden columns have no cell.
#include <cstddef>
#include <optional>
#include <string>

// The row's cell in the column as ListGetCell gives it, or nothing while the column is hidden.
std::optional<std::string> ShownCell(int row, int column_no, size_t capacity = 256);
