#pragma once
// Where the list entry builder reports its progress: the window shows it in the first part of the
// status bar, the batch command on standard error. No sink means no report.
#include <functional>
#include <string>

using ScanProgressSink = std::function<void(const std::string& text)>;

// Replaces the sink; an empty one stops the reports.
void SetScanProgressSink(ScanProgressSink sink);

// Hands "File %d Reading..." with the row index to the sink.
void ReportScanProgress(int row);
