#pragma once
// Runs an intake (scan/intake_run.h) as window work (app/background_work.h): the files are read on
// background threads and their rows committed in short slices of the event loop, so the rows appear as
// they come while the window keeps answering.
#include <functional>
#include <vector>

#include "scan/intake_run.h"

// finished runs on the window's thread once every row is in or the intake was stopped (the rows
// committed by then stay), after the refused commands have their states back.
void StartIntake(std::vector<IntakeStep> steps, std::function<void()> finished);
