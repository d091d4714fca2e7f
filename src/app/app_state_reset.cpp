#include "app/app_state_reset.h"

#include "app/choosers.h"
#include "app/colour_chooser.h"
#include "app/list_commands_state.h"
#include "app/prompts.h"
#include "app/row_commands.h"
#include "app/unsaved_edits.h"
#include "app/window_geometry.h"
#include "scan/core_state_reset.h"

void ResetAppStateForTesting() {
  ResetCoreStateForTesting();
  NoteEditsKept();
  SetPromptHandlersForTesting({});
  SetColorChooserForTesting({});
  ClearRowClipboardForTesting();
  ChooserPath().clear();
  CurrentListFile().clear();
  WindowGeom() = WindowGeometry{};
}
