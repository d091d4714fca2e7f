#pragma once
// The four texts of the main window's status bar and the list summary text, owned here so the core
// (entry builder, totals) can write them; the window mirrors them through the observer.
#include <functional>
#include <string>

constexpr int kStatusPartCount = 4;

// Sets the text of status part 0 to 3 (CP932); other part numbers are ignored. The observer hears of it
// at once, so the window can show progress while long work runs.
void SetStatusText(int part, const std::string& text);
std::string StatusText(int part);

// The remembered content of part 0: the window shows it again when fewer than two rows are selected.
void SetListSummaryText(const std::string& text);
std::string ListSummaryText();

// The texts before the first scan and after the new-list command: "Non Scanning...", "DiskMax: Non
// Scan", "DiskFree: Non Scan", "Per:Non", and the list summary text "Non Scanning...".
void ResetStatusTexts();

// One observer (the window); nullptr removes it.
void SetStatusObserver(std::function<void(int part)> observer);
