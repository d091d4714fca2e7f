#include "scan/scan_progress.h"

namespace {

ScanProgressSink& Sink() {
  static ScanProgressSink sink;
  return sink;
}

}  // namespace

void SetScanProgressSink(ScanProgressSink sink) {
  Sink() = std::move(sink);
}

void ReportScanProgress(int row) {
  if (Sink()) Sink()("File " + std::to_string(row) + " Reading...");
}
