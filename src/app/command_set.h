#pragma once
// The dispatch of every menu, toolbar and accelerator command of the main window.

// Carries out the command in the low 16 bits; identifiers outside the command set are ignored.
void HandleCommand(int command);
