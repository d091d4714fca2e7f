#pragma once
// The window's words for a list file save that failed.
#include <QString>

#include "list/list_file_writer.h"

// The failed file's path, then what went wrong in Japanese: the step and its reason in words.
QString SaveFailureText(const ListFileResult& result);
