#pragma once
// The scan commands and the intake of dropped and command-line paths, with their menu, toolbar and
// status bar updates.
#include <string>
#include <vector>

// Scans and intakes run as window work (app/intake_driver.h): they return at once, the rows arrive
// while the window answers, and the end steps below run when the work ends or is stopped.

// Scans a folder chosen in the folder browser; nothing when the user cancels.
void ScanChosenFolder();
// Scans the AutoScan folder; a folder that is no longer there is reported in a message box.
void AutoScan();

// Takes in the paths named on the command line (one argv element each) or dropped on the window; then,
// when the list holds rows, FinishPathIntake with the last path.
void TakeCommandLinePathsIntoList(const std::vector<std::string>& pieces);
void TakeDroppedPathsIntoList(const std::vector<std::string>& paths);

// Enables the list commands and shows the totals of the list and of the disk holding path.
void FinishPathIntake(const std::string& path);
