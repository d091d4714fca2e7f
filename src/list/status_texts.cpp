#include "list/status_texts.h"

#include <array>

namespace {

struct StatusState {
  std::array<std::string, kStatusPartCount> parts{"Non Scanning...", "DiskMax: Non Scan",
                                                  "DiskFree: Non Scan", "Per:Non"};
  std::string list_summary = "Non Scanning...";
  std::function<void(int)> observer;
};

StatusState& State() {
  static StatusState state;
  return state;
}

}  // namespace

void SetStatusText(int part, const std::string& text) {
  if (part < 0 || part >= kStatusPartCount) return;
  State().parts[part] = text;
  if (State().observer) State().observer(part);
}

std::string StatusText(int part) {
  if (part < 0 || part >= kStatusPartCount) return {};
  return State().parts[part];
}

void SetListSummaryText(const std::string& text) {
  State().list_summary = text;
}

std::string ListSummaryText() {
  return State().list_summary;
}

void ResetStatusTexts() {
  const StatusState initial;
  SetListSummaryText(initial.list_summary);
  for (int part = 0; part < kStatusPartCount; ++part) SetStatusText(part, initial.parts[part]);
}

void SetStatusObserver(std::function<void(int part)> observer) {
  State().observer = std::move(observer);
}
