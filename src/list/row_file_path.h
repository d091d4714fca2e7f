#pragma once
// The file a row stands for, as the file system names it.
#include <string>

// The path kept with the row, or for rows read from a list file the folder and file-name cells joined
// (taken whole, so a long path is never cut). Empty when neither is there: no kept path and the folder
// path column hidden.
std::string RowFilePath(int row);
