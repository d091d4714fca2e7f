#pragma once
// Long work of the window (a scan, a path intake, the tag write) runs while the window keeps answering.
// Meanwhile the commands whose effect would race with it (those that change the list, its check marks
// or the columns, or read the whole list) are greyed and refused, and Esc or the 中止 button in the
// status bar stops it. One work runs at a time.
#include <functional>

bool WorkRunning();

// Greys the commands refused while work runs, remembering their states, and shows the stop controls.
// stop must end the work before it returns (its end steps included); Esc, the 中止 button and the
// closing window call it.
void BeginWork(std::function<void()> stop);
// Gives the greyed commands the states they had, or were given meanwhile, and hides the stop controls.
void EndWork();
// Stops the running work; nothing when none runs.
void StopWork();
// Forgets the running work without touching the window, which is going away.
void ForgetWork();

// True for a command that is refused now.
bool RefusedWhileWorking(int command);
// While work runs, the state asked for a greyed item or toolbar button is kept for the work's end
// instead of shown: true then.
bool HoldMenuState(int item, int code);
bool HoldToolButtonState(int command, bool enabled);
